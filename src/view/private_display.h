#pragma once

#include <string>

namespace velnor {

// Makes sure DISPLAY names an X server, for drawing on a machine without a display: returns true
// at once when it is set; otherwise starts a private Xvfb, points DISPLAY at it and returns
// whether that worked (`error` says why not). The server is stopped when the process exits, after
// the exit handlers that GLUT registers later have closed their connections.
bool EnsureDisplay(std::string& error);

}  // namespace velnor
