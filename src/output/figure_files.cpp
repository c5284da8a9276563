#include "output/figure_files.h"

#include <QFileInfo>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <string>

#include "model/page.h"
#include "output/output_palette.h"
#include "output/save_through.h"
#include "output/svg_canvas.h"
#include "output/tikz_canvas.h"
#include "output/vector_frame.h"

namespace velnor {

namespace {

QString Suffix(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

QString PageTitle(const CGpage& page) {
    return QString::fromStdString(page.m_strName).trimmed();
}

}  // namespace

QString WriteFigureSvg(const QString& path, const CGpage& page, const CGlModel& settings,
                       const VectorLayout& layout) {
    SvgCanvas svg(QSize(layout.width, layout.height), PageTitle(page));
    DrawVectorFrame(svg, &page, settings, layout, OutputPalette::Screen(settings));
    const std::string text = svg.Finish();
    return SaveTextThrough(path, text);
}

// On the colours of paper: a worksheet is printed on white.
QString WriteFigureTikz(const QString& path, const CGpage& page, const CGlModel& settings,
                        const VectorLayout& layout, const TikzOptions& options) {
    const double scale = options.centimetresPerPixel > 0.0
                             ? options.centimetresPerPixel
                             : kTikzColumnCm / std::max(1, layout.width);
    TikzCanvas tikz(QSize(layout.width, layout.height), scale, layout.labelPixelSize);
    DrawVectorFrame(tikz, &page, settings, layout, OutputPalette::Paper(settings));
    const std::string text =
        options.pictureOnly ? tikz.Picture() : StandaloneTikzDocument(tikz, PageTitle(page));
    return SaveTextThrough(path, text);
}

QString WriteFigurePdf(const QString& path, const CGpage& page, const CGlModel& settings,
                       const VectorLayout& layout) {
    return SaveThrough(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(PageTitle(page));
        pdf.setCreator(QStringLiteral("Velnor"));
        // One point of the sheet for each pixel of the view.
        pdf.setResolution(72);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(layout.width, layout.height),
                                                QPageSize::Point, {}, QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return false;
        }
        DrawVectorFrame(painter, &page, settings, layout, OutputPalette::Screen(settings));
        return painter.end();
    });
}

bool IsVectorFigurePath(const QString& path) {
    const QString suffix = Suffix(path);
    return suffix == QStringLiteral("svg") || suffix == QStringLiteral("pdf") ||
           suffix == QStringLiteral("tex");
}

QString WriteVectorFigure(const QString& path, const CGpage& page, const CGlModel& settings,
                          const VectorLayout& layout, const TikzOptions& tikz) {
    const QString suffix = Suffix(path);
    if (suffix == QStringLiteral("svg")) {
        return WriteFigureSvg(path, page, settings, layout);
    }
    if (suffix == QStringLiteral("tex")) {
        return WriteFigureTikz(path, page, settings, layout, tikz);
    }
    return WriteFigurePdf(path, page, settings, layout);
}

}  // namespace velnor
