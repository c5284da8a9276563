#pragma once

#include <QPrinter>
#include <QString>

#include <vector>

namespace velnor {

class CGpage;
class CMainFrame;

// 打印..., 打印预览 and 打印设置...: sheets of the document's pages drawn as vectors, the current
// page unless the print dialog chose all pages or a range. The printer keeps its settings, the
// range too, from one command to the next.
class FramePrinting {
public:
    explicit FramePrinting(CMainFrame& frame);

    void PageSetup();
    void Print();
    void Preview();
    // Prints the chosen pages into a PDF file without a dialog; an empty string, or why not.
    QString PrintToFile(const QString& path, bool allPages);

private:
    // The pages the printer's range names: all, a range by number, or the current page.
    std::vector<const CGpage*> ChosenPages(const QPrinter& printer) const;
    void PrintOn(QPrinter& printer);

    CMainFrame& m_frame;
    QPrinter m_printer;
};

}  // namespace velnor
