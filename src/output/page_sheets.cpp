#include "output/page_sheets.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "model/page.h"
#include "output/output_palette.h"
#include "output/save_through.h"
#include "output/vector_frame.h"

namespace velnor {

namespace {

// Fractions of the printable width.
constexpr double kMargin = 0.04;
constexpr double kHeadingGap = 0.03;

void PrintSheet(QPainter& painter, const QRectF& area, const CGpage& page, const CGlModel& settings,
                const VectorLayout& layout) {
    const double margin = area.width() * kMargin;
    const QRectF inner = area.adjusted(margin, margin, -margin, -margin);
    QFont heading(QStringLiteral("WenQuanYi Zen Hei"));
    heading.setPixelSize(std::max(1, static_cast<int>(inner.width() / 30)));
    painter.setFont(heading);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(heading, painter.device());
    const QString name = QString::fromStdString(page.m_strName).trimmed();
    painter.drawText(QPointF(inner.left(), inner.top() + metrics.ascent()), name);

    const double top = inner.top() + metrics.height() + area.width() * kHeadingGap;
    const QRectF room(inner.left(), top, inner.width(), inner.bottom() - top);
    const double scale = std::min(room.width() / layout.width, room.height() / layout.height);
    const QSizeF size(layout.width * scale, layout.height * scale);
    painter.save();
    painter.translate(room.left() + (room.width() - size.width()) / 2, room.top());
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(0, 0, layout.width, layout.height));
    DrawVectorFrame(painter, &page, settings, layout, OutputPalette::Paper(settings));
    painter.restore();
}

}  // namespace

bool PrintSheets(QPagedPaintDevice& device, std::span<const CGpage* const> pages,
                 const CGlModel& settings, const VectorLayout& layout) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QRectF area(0, 0, device.width(), device.height());
    bool first = true;
    for (const CGpage* page : pages) {
        if (!first && !device.newPage()) {
            return false;
        }
        first = false;
        PrintSheet(painter, area, *page, settings, layout);
    }
    return painter.end();
}

QString PrintSheetsToPdf(const QString& path, std::span<const CGpage* const> pages,
                         const CGlModel& settings, const VectorLayout& layout) {
    return SaveThrough(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Velnor"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(layout.width > layout.height ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
        return PrintSheets(pdf, pages, settings, layout);
    });
}

}  // namespace velnor
