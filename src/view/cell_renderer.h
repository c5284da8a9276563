#pragma once

#include <GL/gl.h>

#include <span>
#include <string_view>

#include "model/color.h"

namespace velnor {

class CBitText;
class CDTextCell;
class CFaceCell;
class GlScene;
struct RenderEnv;

// A single face (the palette passes colour each face) through the page's position table, which
// the caller has bound as the vertex array. Lines and the uncoloured face passes go in batches.
void DrawFace(const CFaceCell& face);

// A string through the label glyphs, starting at the current raster position. Only characters
// 32..127 have glyphs; other bytes are skipped rather than calling unrelated lists of the block.
void CallLabelString(GLuint listBase, std::string_view text);

// How far CallLabelString moves the raster position for `text`, in pixels.
float LabelStringWidth(const GlScene& scene, std::string_view text);

// Moves the current raster position by (dx, dy) pixels.
void ShiftRasterPosition(float dx, float dy);

// Selected vertices (indices into the bound position table): a dot of `mark` twice as large as the
// others, ringed by `background` round a centre of `mark`, so that a selected point stands out
// from the plain dots even when it is small on a projector.
void DrawSelectedPoints(std::span<const GLubyte> indices, Rgb mark, Rgb background);

// A dynamic text at the current raster position, in the current colour.
void DrawDText(const CDTextCell& text, GLuint listBase);

// A bitmap text hanging at its anchor, in its own colour (or, for the selection mark, in the
// current colour).
void DrawBitText(const CBitText& text, const RenderEnv& env, bool ownColor);

}  // namespace velnor
