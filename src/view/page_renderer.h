#pragma once

namespace velnor {

class CGpage;
struct RenderEnv;

// Makes the page's position table the vertex array and its colour table (or, when
// `positionsAsColors`, the position table again) the colour array.
void BindPageArrays(const CGpage& page, bool positionsAsColors);

// Draws the page under the current camera: in fill mode its faces in palette colours, solids and
// lines; otherwise hidden lines dashed behind the faces, visible lines solid, labels that show
// through, dots, selected vertices, solids and the marks of selected solids.
void DrawPage(CGpage& page, const RenderEnv& env, bool positionsAsColors);

// Whether the page needs the 2D overlay: it has action buttons or dynamic texts.
bool PageNeedsOverlay(const CGpage& page);

// The 2D overlay over a client area of width x height pixels: button handles, dynamic texts and
// the frames of selected buttons and texts.
void DrawOverlay(const CGpage& page, const RenderEnv& env, int width, int height);

}  // namespace velnor
