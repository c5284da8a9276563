#include "output/net_files.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

#include "output/net_sheet_drawing.h"
#include "output/painter_canvas.h"
#include "output/paper_net.h"
#include "output/save_through.h"
#include "output/svg_canvas.h"

namespace velnor {

namespace {

const QString kTitle = QStringLiteral("展开图");

QPageSize::PageSizeId PageSizeOf(PaperKind paper) {
    switch (paper) {
        case PaperKind::kA4:
            return QPageSize::A4;
        case PaperKind::kA3:
            return QPageSize::A3;
        case PaperKind::kLetter:
            return QPageSize::Letter;
    }
    return QPageSize::A4;
}

}  // namespace

SheetPlan NetSheetPlan(const PaperNet& net, PaperKind paper) {
    return PlanNetSheets(net.Bounds(), PaperSizeCm(paper));
}

void UseSheetPaper(QPagedPaintDevice& device, PaperKind paper, const SheetPlan& plan) {
    const bool turned = plan.paper.width() > plan.paper.height();
    device.setPageLayout(QPageLayout(QPageSize(PageSizeOf(paper)),
                                     turned ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF()));
}

bool PrintNetSheets(QPagedPaintDevice& device, const PaperNet& net, const SheetPlan& plan) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double scale = device.logicalDpiX() / (kUnitsPerCm * 2.54);
    bool first = true;
    for (const NetSheet& sheet : plan.sheets) {
        if (!first && !device.newPage()) {
            return false;
        }
        first = false;
        painter.save();
        painter.scale(scale, scale);
        painter.setClipRect(QRectF(QPointF(0, 0), plan.paper * kUnitsPerCm));
        PainterCanvas canvas(painter);
        DrawNetSheet(canvas, net, plan, sheet);
        painter.restore();
    }
    return painter.end();
}

QString WriteNetPdf(const QString& path, const PaperNet& net, PaperKind paper) {
    const SheetPlan plan = NetSheetPlan(net, paper);
    return SaveThrough(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(kTitle);
        pdf.setCreator(QStringLiteral("Velnor"));
        pdf.setResolution(static_cast<int>(std::lround(kUnitsPerCm * 2.54)));
        UseSheetPaper(pdf, paper, plan);
        return PrintNetSheets(pdf, net, plan);
    });
}

QString WriteNetSvg(const QString& path, const PaperNet& net, PaperKind paper) {
    SheetPlan plan = NetSheetPlan(net, paper);
    if (plan.sheets.size() > 1) {
        const QSizeF margins(2 * kSheetMarginCm, 2 * kSheetMarginCm);
        plan = PlanNetSheets(net.Bounds(), net.Bounds().size() + margins);
    }
    const QSizeF size = plan.paper * kUnitsPerCm;
    SvgCanvas svg(QSize(static_cast<int>(std::ceil(size.width())),
                        static_cast<int>(std::ceil(size.height()))),
                  kTitle);
    DrawNetSheet(svg, net, plan, plan.sheets.front());
    return SaveTextThrough(path, svg.Finish());
}

}  // namespace velnor
