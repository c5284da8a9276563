#pragma once

#include <optional>
#include <vector>

#include "geometry/polyhedron.h"

namespace velnor {

// A spanning tree of the faces along which a polyhedron is unfolded: every face but the root
// hangs from its parent by the edge `hinge`.
struct FaceTree {
    std::vector<int> parent;  // -1 for the root
    std::vector<int> hinge;   // index into the edges; -1 for the root
    std::vector<int> order;   // every face, root first, each after its parent
};

// The tree that spans the faces from the root through the edges kept joined, breadth first, each
// face's edges in their order; nothing when those edges leave some face unreached.
std::optional<FaceTree> TreeOfJoints(size_t faceCount, const std::vector<PolyhedronEdge>& edges,
                                     const std::vector<bool>& kept, int root);

// How many trees CandidateTree offers.
inline constexpr int kNetTreeAttempts = 1200;

// The attempt-th tree worth trying, rooted at `root`: first the breadth-first tree (shallow, so
// its net folds in few rounds), then steepest-edge cuts towards a series of directions (which
// rarely overlap on convex solids), then random trees. The same attempt always gives the same
// tree; nothing when that attempt's cut does not leave a tree.
std::optional<FaceTree> CandidateTree(const Polyhedron& solid,
                                      const std::vector<PolyhedronEdge>& edges, int root,
                                      int attempt);

}  // namespace velnor
