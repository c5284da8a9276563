#pragma once

#include <QMatrix4x4>

namespace velnor {

// How many pixels a unit of the model frame covers at its origin, along its longest axis, under
// the model-view and projection, in a viewport of width x height pixels. Infinitely many for an
// origin at or behind the eye: what lies round the eye may come as near as can be.
float PixelsPerUnit(const QMatrix4x4& modelView, const QMatrix4x4& projection, int width,
                    int height);

// The same under the current OpenGL matrices and viewport.
float PixelsPerUnitNow();

// Whether the list being drawn is being compiled: it may be called later at any size.
bool CompilingList();

// Where an atom of the molecule is no wider than this many pixels across its radius, the coarse
// spheres differ from the fine ones by less than a pixel at their rims.
inline constexpr float kDistantAtomPixels = 8.0f;

}  // namespace velnor
