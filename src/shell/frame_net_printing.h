#pragma once

#include <QPrinter>

#include "shell/dialogs/net_paper_dialog.h"

namespace velnor {

class CMainFrame;
class CommandParams;

// 打印展开图: the net 展开图 would make of the selection, at its true size or the scale the
// teacher sets, on the chosen paper, shown in the print preview (which prints it). A script's
// `file` writes the sheets into a PDF file without a dialog. The printer and the last choice
// stay from one command to the next.
class FrameNetPrinting {
public:
    explicit FrameNetPrinting(CMainFrame& frame) : m_frame(frame) {}

    void Run(const CommandParams& params);

private:
    CMainFrame& m_frame;
    NetPaperChoice m_choice;
    QPrinter m_printer;
};

}  // namespace velnor
