#include "commands/script_interpreter.h"

#include "commands/command_error.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/console_script_host.h"
#include "commands/script_drawing.h"
#include "commands/script_line.h"
#include "commands/script_selection.h"
#include "model/document.h"

namespace velnor {

namespace {

constexpr int kMaxTicks = 1000000;

void ExpectArguments(const std::vector<std::string>& words, size_t count, const char* usage) {
    if (words.size() != count + 1) {
        throw CommandError(std::string("usage: ") + usage);
    }
}

CommandParams ReadParams(const CommandEntry& entry, const std::vector<std::string>& words) {
    CommandParams params;
    for (size_t i = 1; i < words.size(); ++i) {
        const size_t equals = words[i].find('=');
        if (equals == std::string::npos || equals == 0) {
            throw CommandError("'" + words[i] + "' is not name=value (after " + entry.text + ")");
        }
        params.Set(words[i].substr(0, equals), words[i].substr(equals + 1));
    }
    return params;
}

}  // namespace

const std::vector<std::string>& ScriptWords() {
    static const std::vector<std::string> words = {"point", "line", "face", "select", "press",
                                                   "tick",  "undo", "redo", "page"};
    return words;
}

ScriptInterpreter::ScriptInterpreter(CPlomDoc& doc, std::ostream& out)
    : m_doc(doc), m_console(std::make_unique<ConsoleScriptHost>(doc, out)), m_host(*m_console) {}

ScriptInterpreter::ScriptInterpreter(CPlomDoc& doc, IScriptHost& host) : m_doc(doc), m_host(host) {}

ScriptInterpreter::~ScriptInterpreter() = default;

void ScriptInterpreter::Run(std::istream& script) {
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        RunLine(line, ++number);
    }
}

void ScriptInterpreter::RunLine(std::string_view line, int lineNumber) {
    try {
        const std::vector<std::string> words = SplitScriptLine(line);
        if (!words.empty()) {
            Dispatch(words);
        }
    } catch (const CommandError& error) {
        throw ScriptError(lineNumber, error.what());
    }
}

void ScriptInterpreter::Dispatch(const std::vector<std::string>& words) {
    const std::string& verb = words.front();
    if (verb == "point") {
        ScriptPoint(m_doc, words);
    } else if (verb == "line") {
        ScriptLine(m_doc, words);
    } else if (verb == "face") {
        ScriptFace(m_doc, words);
    } else if (verb == "select") {
        ScriptSelect(m_doc, words);
    } else if (verb == "press") {
        Press(words);
    } else if (verb == "tick") {
        Tick(words);
    } else if (verb == "undo" || verb == "redo") {
        ExpectArguments(words, 0, verb == "undo" ? "undo" : "redo");
        RunCommandById(verb == "undo" ? cmd::kUndo : cmd::kRedo);
    } else if (verb == "page") {
        Page(words);
    } else {
        RunCommand(words);
    }
}

void ScriptInterpreter::RunCommandById(int id) {
    RunCommand({std::to_string(id)});
}

void ScriptInterpreter::RunCommand(const std::vector<std::string>& words) {
    const CommandEntry* entry = FindCommand(words.front());
    if (entry == nullptr) {
        throw CommandError("unknown command '" + words.front() + "'");
    }
    m_host.RunCommand(*entry, ReadParams(*entry, words));
}

void ScriptInterpreter::Press(const std::vector<std::string>& words) {
    ExpectArguments(words, 1, "press KEY");
    const int key = ReadInteger(words[1], "button key", 0, 0xFFFF);
    if (!m_host.PressButton(static_cast<uint16_t>(key))) {
        throw CommandError("the page has no button " + words[1]);
    }
}

void ScriptInterpreter::Tick(const std::vector<std::string>& words) {
    ExpectArguments(words, 1, "tick N");
    m_host.Tick(ReadInteger(words[1], "tick count", 0, kMaxTicks));
}

void ScriptInterpreter::Page(const std::vector<std::string>& words) {
    ExpectArguments(words, 1, "page next|prev");
    if (words[1] == "next") {
        RunCommandById(cmd::kNextPage);
    } else if (words[1] == "prev") {
        RunCommandById(cmd::kPreviousPage);
    } else {
        throw CommandError("usage: page next|prev");
    }
}

}  // namespace velnor
