#pragma once

namespace velnor {

class CGpage;
struct RenderEnv;

// The labels of the shown vertices, a little off their points, in the current colour and with
// the current depth test, all in one draw call from the label atlas: the pixels the label glyphs'
// bitmaps would set one by one.
void DrawVertexLabels(const CGpage& page, const RenderEnv& env);

}  // namespace velnor
