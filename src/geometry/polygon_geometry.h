#pragma once

#include <span>

#include "geometry/vec3.h"
#include "geometry/vec3d.h"

namespace velnor {

// Newell's normal of a planar polygon: twice its area, along the side from which its corners run
// counter-clockwise. Unlike the normal of the first three corners it is sound for any corner
// order, collinear corners included; a polygon of no area gives zero.
Vec3d NewellNormal(std::span<const Vec3> corners);

// Whether a point of the polygon's plane lies inside it or within `tolerance` of its boundary.
bool PolygonContains(std::span<const Vec3> corners, Vec3d normal, Vec3 point, double tolerance);

}  // namespace velnor
