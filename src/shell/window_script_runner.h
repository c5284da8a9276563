#pragma once

#include <QStringList>

#include <string>

#include "commands/script_host.h"
#include "commands/script_interpreter.h"
#include "model/message_seam.h"

namespace velnor {

class CMainFrame;

// Runs lines of the script language in the window, for the input line and for `--run`. The core's
// interpreter reads each line, draws, selects and pages; menu commands run as their menu items do
// (a command typed without values opens its dialog), a press is a click on the button, and a tick
// is a step of the view's timer.
class WindowScriptRunner final : public IScriptHost, private IMessageSink {
public:
    // Where a line's reports go: collected for the input line (a dialog the line opened still
    // shows its messages in boxes, as from the menu), or printed on standard output as velnor-cli
    // prints them ("message: TEXT", "disabled: TEXT").
    enum class Echo { kCollect, kStandardOutput };

    explicit WindowScriptRunner(CMainFrame& frame);

    // Runs one line as one step; throws ScriptError for a bad line.
    void RunLine(const std::string& line, int lineNumber, Echo echo);
    // Opens the document a `--run` starts with, its messages printed as a line's are; false when
    // it cannot be opened.
    bool OpenDocument(const QString& path);
    // What the last line reported with kCollect, good or bad: messages, greyed commands.
    const QStringList& Reports() const { return m_reports; }

private:
    void RunCommand(const CommandEntry& entry, const CommandParams& params) override;
    bool PressButton(uint16_t key) override;
    void Tick(int count) override;
    void ShowMessage(const std::string& text) override;
    void ReportDisabled(const CommandEntry& entry);
    void Report(const char* kind, const QString& text, const QString& besideLine);

    CMainFrame& m_frame;
    ScriptInterpreter m_interpreter;
    Echo m_echo = Echo::kCollect;
    QStringList m_reports;
    // The sink a running line took over from: the message boxes.
    IMessageSink* m_boxes = nullptr;
};

}  // namespace velnor
