#pragma once

#include "geometry/net_layout.h"
#include "geometry/polyhedron.h"
#include "geometry/vec3d.h"

namespace velnor {

// The move, within the net's plane (of that normal), that lays the net beside its solid: the
// net's box to the right of the solid's footprint in that plane, a gap of two fifths of the
// footprint's width between them. "Right" is the plane's direction nearest the x axis, which the
// usual views show running to the right.
Vec3d NetShiftBesideSolid(const Polyhedron& solid, const PolyhedronNet& net, Vec3d normal);

}  // namespace velnor
