#pragma once

namespace velnor {

class CGpage;
class FigureCanvas;
class SceneProjector;
struct FigureStyle;

// Draws the page as the view draws it under the projector, as vectors: in fill mode its faces in
// palette colours, solids and the visible parts of lines; otherwise the selected faces, solids,
// every line solid where seen and dashed where a face hides it, labels as text, dots and
// selected vertices.
void DrawPageFigure(FigureCanvas& canvas, const CGpage& page, const SceneProjector& projector,
                    const FigureStyle& style);

}  // namespace velnor
