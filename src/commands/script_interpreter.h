#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velnor {

class CPlomDoc;
class ConsoleScriptHost;
class IScriptHost;

// A script line that cannot run; what() reads "line N: PROBLEM".
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& problem)
        : std::runtime_error("line " + std::to_string(line) + ": " + problem),
          m_nLine(line),
          m_strProblem(problem) {}
    int Line() const { return m_nLine; }
    const std::string& Problem() const { return m_strProblem; }

private:
    int m_nLine;
    std::string m_strProblem;
};

// Reads scripts of menu commands and drawing steps and runs them on a document, the way the menus
// and the mouse tools would. Drawing and selection steps change the document here; menu commands,
// button presses and ticks go to the host.
class ScriptInterpreter final {
public:
    // Without windows, as velnor-cli runs scripts: a ConsoleScriptHost writing to `out`.
    ScriptInterpreter(CPlomDoc& doc, std::ostream& out);
    ScriptInterpreter(CPlomDoc& doc, IScriptHost& host);
    ~ScriptInterpreter();
    ScriptInterpreter(const ScriptInterpreter&) = delete;
    ScriptInterpreter& operator=(const ScriptInterpreter&) = delete;

    // Runs every line; stops at the first bad one with ScriptError.
    void Run(std::istream& script);
    void RunLine(std::string_view line, int lineNumber);

private:
    void Dispatch(const std::vector<std::string>& words);
    void RunCommand(const std::vector<std::string>& words);
    void RunCommandById(int id);
    void Press(const std::vector<std::string>& words);
    void Tick(const std::vector<std::string>& words);
    void Page(const std::vector<std::string>& words);

    CPlomDoc& m_doc;
    std::unique_ptr<ConsoleScriptHost> m_console;
    IScriptHost& m_host;
};

// The words a script line may start with besides the commands of the table.
const std::vector<std::string>& ScriptWords();

}  // namespace velnor
