#include "commands/console_script_host.h"

#include "buttons/button_press.h"
#include "buttons/button_tick.h"
#include "commands/command_error.h"
#include "commands/command_execution.h"
#include "model/document.h"

namespace velnor {

namespace {

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        joined += (joined.empty() ? "" : " ") + name;
    }
    return joined;
}

}  // namespace

ConsoleScriptHost::ConsoleScriptHost(CPlomDoc& doc, std::ostream& out)
    : m_doc(doc), m_out(out), m_previousSink(SetMessageSink(this)) {}

ConsoleScriptHost::~ConsoleScriptHost() {
    SetMessageSink(m_previousSink);
}

void ConsoleScriptHost::ShowMessage(const std::string& text) {
    m_out << "message: " << text << '\n';
}

void ConsoleScriptHost::RunCommand(const CommandEntry& entry, const CommandParams& params) {
    switch (ExecuteCommand(entry, m_doc, params)) {
        case ExecuteResult::kDone:
            break;
        case ExecuteResult::kDisabled:
            m_out << "disabled: " << entry.text << '\n';
            break;
        case ExecuteResult::kViewTakesOver:
        case ExecuteResult::kWindowsOnly:
            m_out << "skipped: " << entry.text << '\n';
            break;
        case ExecuteResult::kNeedsDialog:
            throw CommandError(entry.text + " needs its dialog values: " + JoinNames(entry.params));
    }
}

bool ConsoleScriptHost::PressButton(uint16_t key) {
    switch (PressCurrentPageButton(m_doc, key)) {
        case PressOutcome::kNoButton:
            return false;
        case PressOutcome::kStarted:
            m_bAnimating = true;
            break;
        case PressOutcome::kPaused:
            break;
    }
    m_doc.Redraw();
    return true;
}

void ConsoleScriptHost::Tick(int count) {
    for (int i = 0; i < count && m_bAnimating; ++i) {
        m_bAnimating = TickButtonAnimation(m_doc.CurrentPage());
        m_doc.Redraw();
    }
}

}  // namespace velnor
