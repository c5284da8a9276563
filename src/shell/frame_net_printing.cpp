#include "shell/frame_net_printing.h"

#include <QPrintPreviewDialog>

#include <variant>

#include "commands/command_error.h"
#include "commands/command_params.h"
#include "editing/chosen_net.h"
#include "model/document.h"
#include "model/message_seam.h"
#include "output/net_files.h"
#include "output/paper_net.h"
#include "shell/main_frame.h"

namespace velnor {

namespace {

// The choice a script gives, checked as the dialog's fields would check it.
NetPaperChoice ScriptChoice(const CommandParams& params) {
    const std::optional<PaperKind> paper = PaperNamed(params.Text("paper", "A4"));
    if (!paper) {
        throw CommandError("纸张只能是 A4、A3 或 Letter。");
    }
    const double scale = params.Number("scale", 1.0);
    if (!(scale >= kLeastNetScale && scale <= kMostNetScale)) {
        throw CommandError("比例须在0.1到10之间。");
    }
    return {scale, *paper};
}

}  // namespace

void FrameNetPrinting::Run(const CommandParams& params) {
    const auto found = NetOfSelection(m_frame.Document().CurrentPage());
    if (const std::string* problem = std::get_if<std::string>(&found)) {
        ShowMessage(*problem);
        return;
    }
    const ChosenNet& chosen = std::get<ChosenNet>(found);
    if (params.Has("file")) {
        const NetPaperChoice choice = ScriptChoice(params);
        const QString error = WriteNetPdf(QString::fromStdString(params.Text("file", "")),
                                          PaperNetOf(chosen, choice.scale), choice.paper);
        if (!error.isEmpty()) {
            throw CommandError(error.toStdString());
        }
        return;
    }
    const auto choice = AskNetPaper(
        m_choice,
        [&chosen](const NetPaperChoice& c) {
            return static_cast<int>(
                NetSheetPlan(PaperNetOf(chosen, c.scale), c.paper).sheets.size());
        },
        &m_frame);
    if (!choice) {
        return;
    }
    m_choice = *choice;
    const PaperNet net = PaperNetOf(chosen, choice->scale);
    const SheetPlan plan = NetSheetPlan(net, choice->paper);
    m_printer.setFullPage(true);
    UseSheetPaper(m_printer, choice->paper, plan);
    QPrintPreviewDialog preview(&m_printer, &m_frame);
    preview.setObjectName(QStringLiteral("NetPrintPreview"));
    preview.setWindowTitle(QStringLiteral("打印展开图"));
    preview.resize(1000, 760);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&net, &plan](QPrinter* printer) { PrintNetSheets(*printer, net, plan); });
    preview.exec();
}

}  // namespace velnor
