#pragma once

#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/message_seam.h"

namespace velnor {

class CPlomDoc;

// A script line that cannot run; what() reads "line N: ...".
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& problem)
        : std::runtime_error("line " + std::to_string(line) + ": " + problem), m_nLine(line) {}
    int Line() const { return m_nLine; }

private:
    int m_nLine;
};

// Runs scripts of menu commands and drawing steps on a document, the way the menus and the mouse
// tools would. What the program would show in a message box is written to `out` as
// "message: TEXT", a command disabled for the selection as "disabled: TEXT", and a command that
// only the windows can carry out as "skipped: TEXT". While it lives it receives the core's
// messages, and measurement texts follow the figure as they do in the program.
class ScriptInterpreter final : private IMessageSink {
public:
    ScriptInterpreter(CPlomDoc& doc, std::ostream& out);
    ~ScriptInterpreter() override;
    ScriptInterpreter(const ScriptInterpreter&) = delete;
    ScriptInterpreter& operator=(const ScriptInterpreter&) = delete;

    // Runs every line; stops at the first bad one with ScriptError.
    void Run(std::istream& script);
    void RunLine(std::string_view line, int lineNumber);

private:
    void ShowMessage(const std::string& text) override;

    void Dispatch(const std::vector<std::string>& words);
    void RunCommand(const std::vector<std::string>& words);
    void RunCommandById(int id);
    void Press(const std::vector<std::string>& words);
    void Tick(const std::vector<std::string>& words);
    void Page(const std::vector<std::string>& words);

    CPlomDoc& m_doc;
    std::ostream& m_out;
    IMessageSink* m_previousSink;
    // The view's timer in button-animation mode: a started button runs it until no button of the
    // current page needs more ticks.
    bool m_bAnimating = false;
};

}  // namespace velnor
