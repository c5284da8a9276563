#pragma once

#include <vector>

#include "geometry/net_trees.h"
#include "geometry/polyhedron.h"
#include "geometry/vec3.h"

namespace velnor {

// The turn that folds one face of a net, with everything hanging from it, onto its place on the
// solid; it is made while the faces it hangs from still lie flat.
struct NetHinge {
    int face = 0;
    Vec3 axisPoint;            // on the edge the face hangs by, where the net has it
    Vec3 axisDir;              // unit
    float foldDegrees = 0.0f;  // π minus the dihedral angle, signed for the axis
    std::vector<int> moved;    // net vertices that turn (those on the axis stay)
    // 0 for a face with nothing hanging from it, else one more than the highest face hanging
    // from it: folding by increasing height folds every face after those that hang from it.
    int height = 0;
};

// A net: the faces of the solid laid flat in the plane of the root face, which keeps its place.
struct PolyhedronNet {
    std::vector<Vec3> vertices;           // faces that hang together share their hinge's vertices
    std::vector<std::vector<int>> faces;  // per face of the solid, corners in the same order
    std::vector<NetHinge> hinges;         // by increasing height
};

// Unfolds the solid along the tree: each face turns about the edge it hangs by until it lies in
// its parent's plane, on the far side of that edge.
PolyhedronNet LayOutNet(const Polyhedron& solid, const std::vector<PolyhedronEdge>& edges,
                        const FaceTree& tree);

}  // namespace velnor
