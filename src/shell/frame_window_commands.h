#pragma once

#include <memory>

#include "commands/window_commands_seam.h"
#include "shell/image_menu.h"
#include "shell/text_commands.h"

namespace velnor {

class CMainFrame;
class FrameNetPrinting;
class FramePrinting;

// The view and shell commands of the table, carried out by the 3D view's operations and by the
// main frame. Commands whose windows this program does not have (embedded objects) stay greyed.
class FrameWindowCommands final : public IWindowCommands {
public:
    explicit FrameWindowCommands(CMainFrame& frame);
    ~FrameWindowCommands() override;

    void Run(int commandId, const CommandParams& params) override;
    bool IsEnabled(int commandId) const override;
    bool IsChecked(int commandId) const override;

    ImageMenu& Images() { return m_images; }
    TextCommands& Texts() { return m_texts; }

private:
    bool RunViewCommand(int commandId, const CommandParams& params);
    bool RunShellCommand(int commandId, const CommandParams& params);
    bool RunPrintCommand(int commandId, const CommandParams& params);

    CMainFrame& m_frame;
    ImageMenu m_images;
    TextCommands m_texts;
    // Made at the first printing command: finding the printers takes a while.
    std::unique_ptr<FramePrinting> m_printing;
    std::unique_ptr<FrameNetPrinting> m_netPrinting;
};

}  // namespace velnor
