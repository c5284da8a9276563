#pragma once

#include <string>

namespace velnor {

// Makes sure DISPLAY names an X server, for drawing on a machine without a display: returns true
// at once when it is set; otherwise starts a private Xvfb, points DISPLAY at it and returns
// whether that worked (`error` says why not). The server is stopped when the process exits, after
// the exit handlers that GLUT registers later have closed their connections.
bool EnsureDisplay(std::string& error);

// A connection to the display, held open while a program starts and runs. A shared server that
// resets when its last client leaves refuses connections for a moment; programs started one after
// another meet that moment, so the connection is retried for up to `milliseconds`, and holding it
// keeps the server from resetting under the program's own connections.
class DisplayHold {
public:
    explicit DisplayHold(int milliseconds);
    ~DisplayHold();
    DisplayHold(const DisplayHold&) = delete;
    DisplayHold& operator=(const DisplayHold&) = delete;

    bool IsOpen() const { return m_display != nullptr; }

private:
    void* m_display = nullptr;
};

}  // namespace velnor
