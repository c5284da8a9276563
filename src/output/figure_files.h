#pragma once

#include <QString>

namespace velnor {

class CGlModel;
class CGpage;
struct VectorLayout;

// The page's figure as the view shows it, written as a vector file the size of the layout. The
// old file stays untouched until the new one is complete. Returns an empty string, or why the
// file could not be written.
QString WriteFigureSvg(const QString& path, const CGpage& page, const CGlModel& settings,
                       const VectorLayout& layout);
QString WriteFigurePdf(const QString& path, const CGpage& page, const CGlModel& settings,
                       const VectorLayout& layout);

// How a TikZ figure comes out: centimetres for a pixel of the view (0: so that the figure is
// as wide as a column of kTikzColumnCm), and whether only the tikzpicture is written, to
// \input into a worksheet, or a document that compiles as it is.
inline constexpr double kTikzColumnCm = 12.0;
struct TikzOptions {
    double centimetresPerPixel = 0.0;
    bool pictureOnly = false;
};
QString WriteFigureTikz(const QString& path, const CGpage& page, const CGlModel& settings,
                        const VectorLayout& layout, const TikzOptions& options = {});

// Chooses by the extension: .svg, .pdf or .tex (either case). Whether the path names one of
// them.
bool IsVectorFigurePath(const QString& path);
QString WriteVectorFigure(const QString& path, const CGpage& page, const CGlModel& settings,
                          const VectorLayout& layout, const TikzOptions& tikz = {});

}  // namespace velnor
