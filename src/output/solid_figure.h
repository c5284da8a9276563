#pragma once

#include <span>
#include <vector>

#include "output/plane_clipping.h"

namespace velnor {

class CGpage;
class CSubassembly;
class SceneProjector;
struct FigureParts;
struct FigureStyle;

// The page's solids as the view draws them: painted solids as shaded polygons that cover lines,
// the bodies of outline solids as surfaces that let lines show dashed, wires and silhouettes as
// lines, bitmap texts as pictures. `pagePlanes` cut the page, in its frame.
void AddSolids(FigureParts& parts, const CGpage& page, std::span<const ClipPlane> pagePlanes,
               const SceneProjector& projector, const FigureStyle& style);

// The solid's own clip planes, in its frame before the scale, as the view loads them.
std::vector<ClipPlane> SolidClipPlanes(const CSubassembly& solid);

}  // namespace velnor
