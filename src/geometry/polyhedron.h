#pragma once

#include <array>
#include <variant>
#include <vector>

#include "geometry/vec3.h"

namespace velnor {

// A solid given by its faces: each face lists corners (indices into `corners`) in boundary order.
struct Polyhedron {
    std::vector<Vec3> corners;
    std::vector<std::vector<int>> faces;
};

// An edge of a closed polyhedron: its corners a < b and the two faces that meet along it.
struct PolyhedronEdge {
    int a = 0;
    int b = 0;
    std::array<int, 2> faces{};
};

enum class NetFault {
    kFlatFace,       // a face with a corner twice or no area
    kOpenEdge,       // an edge of one face only
    kCrowdedEdge,    // an edge of more than two faces
    kSeparateParts,  // faces that do not hang together
    kOverlapping,    // every net tried has overlapping faces
    // Faults of cuts the user chose:
    kNotAnEdge,    // a cut that is no edge of the solid
    kTooFewCuts,   // the faces left joined still close round a corner
    kTooManyCuts,  // the net falls apart
    kCutsLoop,     // as many cuts as a net needs, but some close a loop that cuts a piece out
    kCutsOverlap,  // the net of the chosen cuts has overlapping faces
};

// Why faces give no net, with the face or the edge concerned.
struct NetProblem {
    NetFault fault = NetFault::kFlatFace;
    int face = -1;
    int cornerA = -1;
    int cornerB = -1;
    int faceCount = 0;  // faces along a crowded edge
    int cutCount = 0;   // cuts chosen, for the faults of chosen cuts
    int neededCuts = 0;
};

// The edges of the faces when they close up into one polyhedron (every edge shared by exactly two
// faces, all faces connected through edges), or the first fault found.
std::variant<std::vector<PolyhedronEdge>, NetProblem> PolyhedronEdges(const Polyhedron& solid);

}  // namespace velnor
