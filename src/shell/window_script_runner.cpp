#include "shell/window_script_runner.h"

#include <QAction>
#include <QApplication>

#include <cstdio>

#include "buttons/button_press.h"
#include "commands/command_execution.h"
#include "model/document.h"
#include "shell/command_actions.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"
#include "view/plom_view.h"

namespace velnor {

namespace {

// The line's sink for as long as the line runs, whatever way it ends.
class LineMessages {
public:
    explicit LineMessages(IMessageSink* line) : m_previous(SetMessageSink(line)) {}
    ~LineMessages() { SetMessageSink(m_previous); }
    LineMessages(const LineMessages&) = delete;
    LineMessages& operator=(const LineMessages&) = delete;
    IMessageSink* Previous() const { return m_previous; }

private:
    IMessageSink* m_previous;
};

}  // namespace

WindowScriptRunner::WindowScriptRunner(CMainFrame& frame)
    : m_frame(frame), m_interpreter(frame.Document(), *this) {}

void WindowScriptRunner::RunLine(const std::string& line, int lineNumber, Echo echo) {
    m_echo = echo;
    m_reports.clear();
    const LineMessages messages(this);
    m_boxes = messages.Previous();
    m_interpreter.RunLine(line, lineNumber);
    m_frame.Actions().UpdateStates();
}

bool WindowScriptRunner::OpenDocument(const QString& path) {
    m_echo = Echo::kStandardOutput;
    const LineMessages messages(this);
    return m_frame.Files().OpenPath(path);
}

void WindowScriptRunner::RunCommand(const CommandEntry& entry, const CommandParams& params) {
    CPlomDoc& doc = m_frame.Document();
    CommandActions& actions = m_frame.Actions();
    if (params.Empty()) {
        // Exactly what choosing the menu item does, its dialog included, and enabled when the
        // menu item is: a screen region lets 复制 copy its picture with no cell selected.
        actions.UpdateStates();
        QAction* action = actions.Action(entry.id);
        if (action != nullptr ? !action->isEnabled() : !IsCommandEnabled(entry, doc)) {
            ReportDisabled(entry);
            return;
        }
        if (action != nullptr) {
            action->trigger();
        } else {
            actions.Run(entry, params);
        }
        return;
    }
    // Values that do not read, or a file that could not be used, make the line a bad one.
    switch (ExecuteCommand(entry, doc, params)) {
        case ExecuteResult::kDisabled:
            ReportDisabled(entry);
            break;
        case ExecuteResult::kNeedsDialog:
            // The selection does not give what the values leave out: the dialog asks, from them.
            actions.Run(entry, params);
            break;
        default:
            break;
    }
}

void WindowScriptRunner::ReportDisabled(const CommandEntry& entry) {
    const QString text = QString::fromStdString(entry.text);
    Report("disabled", text, QStringLiteral("“%1”现在不可用").arg(text));
}

bool WindowScriptRunner::PressButton(uint16_t key) {
    return m_frame.PressButton(key) != PressOutcome::kNoButton;
}

void WindowScriptRunner::Tick(int count) {
    for (int i = 0; i < count; ++i) {
        m_frame.View().Tick();
    }
}

void WindowScriptRunner::ShowMessage(const std::string& text) {
    const QString message = QString::fromStdString(text);
    if (m_echo == Echo::kCollect && QApplication::activeModalWidget() != nullptr &&
        m_boxes != nullptr) {
        m_boxes->ShowMessage(text);
        return;
    }
    Report("message", message, message);
}

void WindowScriptRunner::Report(const char* kind, const QString& text, const QString& besideLine) {
    if (m_echo == Echo::kStandardOutput) {
        std::printf("%s: %s\n", kind, text.toUtf8().constData());
        std::fflush(stdout);
    } else {
        m_reports << besideLine;
    }
}

}  // namespace velnor
