#pragma once

#include <ostream>

#include "commands/script_host.h"
#include "model/message_seam.h"

namespace velnor {

class CPlomDoc;

// Carries out a script without windows, as velnor-cli run does. What the program would show in a
// message box is written to `out` as "message: TEXT", a command disabled for the selection as
// "disabled: TEXT", and a command that only the windows can carry out as "skipped: TEXT". While
// it lives it receives the core's messages.
class ConsoleScriptHost final : public IScriptHost, private IMessageSink {
public:
    ConsoleScriptHost(CPlomDoc& doc, std::ostream& out);
    ~ConsoleScriptHost() override;
    ConsoleScriptHost(const ConsoleScriptHost&) = delete;
    ConsoleScriptHost& operator=(const ConsoleScriptHost&) = delete;

    void RunCommand(const CommandEntry& entry, const CommandParams& params) override;
    bool PressButton(uint16_t key) override;
    void Tick(int count) override;

private:
    void ShowMessage(const std::string& text) override;

    CPlomDoc& m_doc;
    std::ostream& m_out;
    IMessageSink* m_previousSink;
    // The view's timer in button-animation mode: a started button runs it until no button of the
    // current page needs more ticks.
    bool m_bAnimating = false;
};

}  // namespace velnor
