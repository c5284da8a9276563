#include "commands/script_interpreter.h"

#include "buttons/button_press.h"
#include "buttons/button_tick.h"
#include "commands/command_error.h"
#include "commands/command_execution.h"
#include "commands/command_table.h"
#include "commands/script_drawing.h"
#include "commands/script_line.h"
#include "commands/script_selection.h"
#include "model/document.h"

namespace velnor {

namespace {

constexpr int kUndoId = 57643;
constexpr int kRedoId = 57644;
constexpr int kPreviousPageId = 32817;
constexpr int kNextPageId = 32819;
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

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        joined += (joined.empty() ? "" : " ") + name;
    }
    return joined;
}

}  // namespace

ScriptInterpreter::ScriptInterpreter(CPlomDoc& doc, std::ostream& out)
    : m_doc(doc), m_out(out), m_previousSink(SetMessageSink(this)) {}

ScriptInterpreter::~ScriptInterpreter() {
    SetMessageSink(m_previousSink);
}

void ScriptInterpreter::ShowMessage(const std::string& text) {
    m_out << "message: " << text << '\n';
}

void ScriptInterpreter::Run(std::istream& script) {
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        RunLine(line, ++number);
    }
}

void ScriptInterpreter::RunLine(std::string_view line, int lineNumber) {
    const std::vector<std::string> words = SplitScriptLine(line);
    if (words.empty()) {
        return;
    }
    try {
        Dispatch(words);
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
        RunCommandById(verb == "undo" ? kUndoId : kRedoId);
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
    const CommandParams params = ReadParams(*entry, words);
    switch (ExecuteCommand(*entry, m_doc, params)) {
        case ExecuteResult::kDone:
            break;
        case ExecuteResult::kDisabled:
            m_out << "disabled: " << entry->text << '\n';
            break;
        case ExecuteResult::kViewTakesOver:
        case ExecuteResult::kWindowsOnly:
            m_out << "skipped: " << entry->text << '\n';
            break;
        case ExecuteResult::kNeedsDialog:
            throw CommandError(entry->text +
                               " needs its dialog values: " + JoinNames(entry->params));
    }
}

void ScriptInterpreter::Press(const std::vector<std::string>& words) {
    ExpectArguments(words, 1, "press KEY");
    const int key = ReadInteger(words[1], "button key", 0, 0xFFFF);
    switch (PressCurrentPageButton(m_doc, static_cast<uint16_t>(key))) {
        case PressOutcome::kNoButton:
            throw CommandError("the page has no button " + words[1]);
        case PressOutcome::kStarted:
            m_bAnimating = true;
            break;
        case PressOutcome::kPaused:
            break;
    }
    m_doc.Redraw();
}

void ScriptInterpreter::Tick(const std::vector<std::string>& words) {
    ExpectArguments(words, 1, "tick N");
    const int ticks = ReadInteger(words[1], "tick count", 0, kMaxTicks);
    for (int i = 0; i < ticks && m_bAnimating; ++i) {
        m_bAnimating = TickButtonAnimation(m_doc.CurrentPage());
        m_doc.Redraw();
    }
}

void ScriptInterpreter::Page(const std::vector<std::string>& words) {
    ExpectArguments(words, 1, "page next|prev");
    if (words[1] == "next") {
        RunCommandById(kNextPageId);
    } else if (words[1] == "prev") {
        RunCommandById(kPreviousPageId);
    } else {
        throw CommandError("usage: page next|prev");
    }
}

}  // namespace velnor
