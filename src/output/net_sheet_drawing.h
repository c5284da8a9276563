#pragma once

#include "output/net_sheets.h"

namespace velnor {

class FigureCanvas;
struct PaperNet;

// Drawing units are pixels of 1/96 inch, as SVG readers take them and the PDF is written in.
inline constexpr double kUnitsPerCm = 96.0 / 2.54;

// Draws one sheet of the plan, its top left corner at the canvas's origin: the faces and glue
// tabs lightly filled, cut lines solid, fold lines dashed, each face's number in it and, when
// the net takes several sheets, the overlap with each neighbour marked by two lines with
// crosses (lay the neighbour so that its marks cover these) and the sheet's place in the grid.
void DrawNetSheet(FigureCanvas& canvas, const PaperNet& net, const SheetPlan& plan,
                  const NetSheet& sheet);

}  // namespace velnor
