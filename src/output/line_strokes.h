#pragma once

#include <QColor>
#include <QPolygonF>

#include <vector>

namespace velnor {

class FigureCanvas;
struct FigureParts;

// A run of joined pieces of one line, in one colour.
struct Stroke {
    QPolygonF points;
    QColor color;
};

// What the lines of a figure draw once split against its surfaces: the dashed parts and the
// solid ones.
struct LineStrokes {
    std::vector<Stroke> dashes, solids;
};

// Splits every line of the figure. Reads only the parts' lines and surfaces.
LineStrokes StrokesOf(const FigureParts& parts);

// Every dashed part first, then every solid one, as the view's two passes draw them.
void PaintStrokes(FigureCanvas& canvas, const LineStrokes& strokes, double width);

}  // namespace velnor
