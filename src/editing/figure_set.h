#pragma once

#include "geometry/figure_fields.h"

namespace velnor {

class CPlomDoc;

// "图元集": builds the chosen figure on the current page from the dialog's values and records it
// as one step ("添加正方体", "添加圆柱", ...). Values out of their ranges are refused with a
// message; so is a figure without room for its vertices. Returns whether the figure was added.
// The regular frustum takes its top-to-bottom ratio from the dialog, as the cone frustum does.
bool CreateFigureSet(CPlomDoc& doc, const FigureSetValues& values);

// The toolbar's fixed figures: "添加正方体" (a cube of edge 10 at the origin), "添加三棱锥" (the
// regular tetrahedron of edge 10√2 inscribed in that cube's circumscribed sphere) and
// "添加几何球体" (the geometric sphere of that radius, 5√3).
bool AddToolbarCube(CPlomDoc& doc);
bool AddToolbarTetrahedron(CPlomDoc& doc);
bool AddToolbarGeometricSphere(CPlomDoc& doc);

}  // namespace velnor
