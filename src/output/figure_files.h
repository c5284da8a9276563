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

// Chooses by the extension: .svg or .pdf (either case). Whether the path names one of them.
bool IsVectorFigurePath(const QString& path);
QString WriteVectorFigure(const QString& path, const CGpage& page, const CGlModel& settings,
                          const VectorLayout& layout);

}  // namespace velnor
