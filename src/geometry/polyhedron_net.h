#pragma once

#include <variant>

#include "geometry/net_layout.h"
#include "geometry/polyhedron.h"

namespace velnor {

// The net of a closed polyhedron laid flat in the plane of the base face, the base face keeping
// its place: the first spanning tree (see CandidateTree) whose net has no overlapping faces.
// Otherwise the problem: the fault that keeps the faces from being a closed polyhedron, or
// kOverlapping when every tree tried overlaps.
std::variant<PolyhedronNet, NetProblem> UnfoldPolyhedron(const Polyhedron& solid, int baseFace);

}  // namespace velnor
