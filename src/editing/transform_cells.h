#pragma once

#include <span>

#include "editing/transform_rotation.h"
#include "model/page.h"

namespace velnor {

// The three transformations applied to chosen vertices (indices) and solids (keys) of a page;
// shared by the transformation commands, the drag and the action buttons. Indices outside the
// vertex table and keys of solids that are gone are passed over.

// p + t for vertices and solid positions.
void TranslateCells(CGpage& page, std::span<const int> verts, std::span<const int> solids,
                    const Float3& t);

// Vertices and solid positions about the rotation's axis; solids also turn their direction and
// correct their spin.
void RotateCells(CGpage& page, std::span<const int> verts, std::span<const int> solids,
                 const Rotation& rotation);

// About the origin: vertices and solid positions component-wise, and the solids' own scale factors.
void ScaleCells(CGpage& page, std::span<const int> verts, std::span<const int> solids,
                const Float3& factors);

bool IsVertexIndex(int index);

}  // namespace velnor
