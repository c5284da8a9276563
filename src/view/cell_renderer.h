#pragma once

#include <GL/gl.h>

#include <string_view>

namespace velnor {

class CBitText;
class CDTextCell;
class CFaceCell;
struct RenderEnv;

// A single face (the palette passes colour each face) through the page's position table, which
// the caller has bound as the vertex array. Lines and the uncoloured face passes go in batches.
void DrawFace(const CFaceCell& face);

// A string through the label glyphs, starting at the current raster position. Only characters
// 32..127 have glyphs; other bytes are skipped rather than calling unrelated lists of the block.
// How far `text` advances the raster position, in pixels; nothing is drawn. The current raster
// position must be valid, and is left advanced.
float LabelStringWidth(GLuint listBase, std::string_view text);

// Moves the current raster position by (dx, dy) pixels.
void ShiftRasterPosition(float dx, float dy);

void CallLabelString(GLuint listBase, std::string_view text);

// A dynamic text at the current raster position, in the current colour.
void DrawDText(const CDTextCell& text, GLuint listBase);

// A bitmap text hanging at its anchor, in its own colour (or, for the selection mark, in the
// current colour).
void DrawBitText(const CBitText& text, const RenderEnv& env, bool ownColor);

}  // namespace velnor
