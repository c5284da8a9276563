#pragma once

#include <vector>

#include "geometry/vec3.h"
#include "geometry/vec3d.h"

namespace velnor {

// Whether two faces of a flat net, lying in the plane with that normal, overlap: cover some area
// in common. Faces that only touch along an edge or at a corner do not overlap.
bool NetFacesOverlap(const std::vector<Vec3>& vertices, const std::vector<std::vector<int>>& faces,
                     Vec3d normal);

}  // namespace velnor
