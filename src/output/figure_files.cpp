#include "output/figure_files.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "model/page.h"
#include "output/output_palette.h"
#include "output/save_through.h"
#include "output/vector_frame.h"

namespace velnor {

namespace {

QString Suffix(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

void Draw(QPainter& painter, const CGpage& page, const CGlModel& settings,
          const VectorLayout& layout) {
    DrawVectorFrame(painter, &page, settings, layout, OutputPalette::Screen(settings));
}

}  // namespace

QString WriteFigureSvg(const QString& path, const CGpage& page, const CGlModel& settings,
                       const VectorLayout& layout) {
    return SaveThrough(path, [&](QIODevice& file) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(layout.width, layout.height));
        svg.setViewBox(QRect(0, 0, layout.width, layout.height));
        svg.setTitle(QString::fromStdString(page.m_strName).trimmed());
        QPainter painter;
        if (!painter.begin(&svg)) {
            return false;
        }
        Draw(painter, page, settings, layout);
        return painter.end();
    });
}

QString WriteFigurePdf(const QString& path, const CGpage& page, const CGlModel& settings,
                       const VectorLayout& layout) {
    return SaveThrough(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(QString::fromStdString(page.m_strName).trimmed());
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
        Draw(painter, page, settings, layout);
        return painter.end();
    });
}

bool IsVectorFigurePath(const QString& path) {
    const QString suffix = Suffix(path);
    return suffix == QStringLiteral("svg") || suffix == QStringLiteral("pdf");
}

QString WriteVectorFigure(const QString& path, const CGpage& page, const CGlModel& settings,
                          const VectorLayout& layout) {
    return Suffix(path) == QStringLiteral("svg") ? WriteFigureSvg(path, page, settings, layout)
                                                 : WriteFigurePdf(path, page, settings, layout);
}

}  // namespace velnor
