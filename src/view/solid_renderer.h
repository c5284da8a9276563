#pragma once

#include <cstdint>

namespace velnor {

class CSubassembly;
struct RenderEnv;

// The three drawings of a solid, in its placement (position, direction, spin, clip planes,
// scale). Frustum sides correct a shape parameter of exactly 0 or 1 in the cell, hence the
// mutable solids.

// The solid itself, in the current colour, with its own material when it has one.
void DrawSolid(CSubassembly& solid, const RenderEnv& env);

// The selection mark: the solid's axes (not clipped or scaled) and its outline in the selection
// colour.
void DrawSolidOutline(CSubassembly& solid, const RenderEnv& env);

// Kinds 21, 22, 23 and 25 draw only outlines; these bodies, slightly shrunk and drawn with colour
// writes off, let them hide what lies behind them.
bool HasDepthOnlyForm(uint8_t kind);
void DrawSolidDepthOnly(CSubassembly& solid, const RenderEnv& env);

}  // namespace velnor
