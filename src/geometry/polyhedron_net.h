#pragma once

#include <utility>
#include <variant>
#include <vector>

#include "geometry/net_layout.h"
#include "geometry/polyhedron.h"

namespace velnor {

// The net of a closed polyhedron laid flat in the plane of the base face, the base face keeping
// its place: the first spanning tree (see CandidateTree) whose net has no overlapping faces.
// Otherwise the problem: the fault that keeps the faces from being a closed polyhedron, or
// kOverlapping when every tree tried overlaps.
std::variant<PolyhedronNet, NetProblem> UnfoldPolyhedron(const Polyhedron& solid, int baseFace);

// The net that cuts exactly the given edges (pairs of corners, in either order) and keeps every
// other edge as a fold, laid out as UnfoldPolyhedron lays its nets. Otherwise the problem: the
// solid's own fault, a cut that is no edge, too few or too many cuts to leave the faces joined in
// one tree, cuts that loop round a piece, or faces of the net that overlap.
std::variant<PolyhedronNet, NetProblem> UnfoldAlongCuts(
    const Polyhedron& solid, int baseFace, const std::vector<std::pair<int, int>>& cuts);

}  // namespace velnor
