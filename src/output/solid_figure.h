#pragma once

namespace velnor {

class CGpage;
class SceneProjector;
struct FigureParts;
struct FigureStyle;

// The page's solids as the view draws them: painted solids as shaded polygons that cover lines,
// the bodies of outline solids as surfaces that let lines show dashed, wires and silhouettes as
// lines, bitmap texts as pictures.
void AddSolids(FigureParts& parts, const CGpage& page, const SceneProjector& projector,
               const FigureStyle& style);

}  // namespace velnor
