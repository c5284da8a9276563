#include "shell/frame_printing.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "model/document.h"
#include "model/gl_model.h"
#include "output/page_sheets.h"
#include "shell/main_frame.h"
#include "shell/view_figure.h"

namespace velnor {

FramePrinting::FramePrinting(CMainFrame& frame) : m_frame(frame) {
    m_printer.setPageOrientation(QPageLayout::Landscape);
    m_printer.setPrintRange(QPrinter::CurrentPage);
}

void FramePrinting::PageSetup() {
    QPageSetupDialog dialog(&m_printer, &m_frame);
    dialog.exec();
}

void FramePrinting::Print() {
    const int pageCount = static_cast<int>(m_frame.Document().m_pages.size());
    m_printer.setFromTo(1, pageCount);
    QPrintDialog dialog(&m_printer, &m_frame);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, pageCount);
    if (dialog.exec() == QDialog::Accepted) {
        PrintOn(m_printer);
    }
}

void FramePrinting::Preview() {
    QPrintPreviewDialog dialog(&m_printer, &m_frame);
    dialog.setWindowTitle(QStringLiteral("打印预览"));
    dialog.resize(1000, 760);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [this](QPrinter* printer) { PrintOn(*printer); });
    dialog.exec();
}

QString FramePrinting::PrintToFile(const QString& path, bool allPages) {
    QPrinter printer;
    printer.setPrintRange(allPages ? QPrinter::AllPages : QPrinter::CurrentPage);
    const std::vector<const CGpage*> pages = ChosenPages(printer);
    return PrintSheetsToPdf(path, pages, m_frame.Document().Settings(),
                            ViewVectorLayout(m_frame.Document(), m_frame.View()));
}

std::vector<const CGpage*> FramePrinting::ChosenPages(const QPrinter& printer) const {
    const CPlomDoc& doc = m_frame.Document();
    const int current = doc.CurrentPageNumber();
    std::vector<const CGpage*> pages;
    int number = 0;
    for (const auto& page : doc.m_pages) {
        ++number;
        const bool chosen = printer.printRange() == QPrinter::AllPages ||
                            (printer.printRange() == QPrinter::PageRange &&
                             number >= printer.fromPage() && number <= printer.toPage()) ||
                            (printer.printRange() != QPrinter::PageRange && number == current);
        if (chosen) {
            pages.push_back(page.get());
        }
    }
    return pages;
}

void FramePrinting::PrintOn(QPrinter& printer) {
    const std::vector<const CGpage*> pages = ChosenPages(printer);
    PrintSheets(printer, pages, m_frame.Document().Settings(),
                ViewVectorLayout(m_frame.Document(), m_frame.View()));
}

}  // namespace velnor
