#include "geometry/polyhedron_net.h"

#include <algorithm>

#include "geometry/net_overlap.h"
#include "geometry/net_trees.h"
#include "geometry/polygon_geometry.h"

namespace velnor {

namespace {

Vec3d NormalOfFace(const Polyhedron& solid, int face) {
    std::vector<Vec3> corners;
    for (int corner : solid.faces[face]) {
        corners.push_back(solid.corners[corner]);
    }
    return NewellNormal(corners);
}

// The edges the chosen cuts leave joined, or the cut that is no edge.
std::variant<std::vector<bool>, NetProblem> JointsLeft(
    const std::vector<PolyhedronEdge>& edges, const std::vector<std::pair<int, int>>& cuts) {
    std::vector<bool> kept(edges.size(), true);
    for (const auto& [a, b] : cuts) {
        const auto edge = std::find_if(edges.begin(), edges.end(), [a, b](const PolyhedronEdge& e) {
            return std::minmax(a, b) == std::minmax(e.a, e.b);
        });
        if (edge == edges.end()) {
            return NetProblem{.fault = NetFault::kNotAnEdge, .cornerA = a, .cornerB = b};
        }
        kept[static_cast<size_t>(edge - edges.begin())] = false;
    }
    return kept;
}

}  // namespace

std::variant<PolyhedronNet, NetProblem> UnfoldPolyhedron(const Polyhedron& solid, int baseFace) {
    auto edges = PolyhedronEdges(solid);
    if (const NetProblem* problem = std::get_if<NetProblem>(&edges)) {
        return *problem;
    }
    const auto& shared = std::get<std::vector<PolyhedronEdge>>(edges);
    const Vec3d normal = NormalOfFace(solid, baseFace);
    for (int attempt = 0; attempt < kNetTreeAttempts; ++attempt) {
        if (const auto tree = CandidateTree(solid, shared, baseFace, attempt)) {
            PolyhedronNet net = LayOutNet(solid, shared, *tree);
            if (!NetFacesOverlap(net.vertices, net.faces, normal)) {
                return net;
            }
        }
    }
    return NetProblem{.fault = NetFault::kOverlapping};
}

std::variant<PolyhedronNet, NetProblem> UnfoldAlongCuts(
    const Polyhedron& solid, int baseFace, const std::vector<std::pair<int, int>>& cuts) {
    auto edges = PolyhedronEdges(solid);
    if (const NetProblem* problem = std::get_if<NetProblem>(&edges)) {
        return *problem;
    }
    const auto& shared = std::get<std::vector<PolyhedronEdge>>(edges);
    auto joints = JointsLeft(shared, cuts);
    if (const NetProblem* problem = std::get_if<NetProblem>(&joints)) {
        return *problem;
    }
    const auto& kept = std::get<std::vector<bool>>(joints);
    // A tree joins the faces by one edge fewer than there are faces; every other edge is cut.
    const int cutCount = static_cast<int>(std::count(kept.begin(), kept.end(), false));
    const int neededCuts = static_cast<int>(shared.size() - (solid.faces.size() - 1));
    NetProblem problem{.cutCount = cutCount, .neededCuts = neededCuts};
    const auto tree = TreeOfJoints(solid.faces.size(), shared, kept, baseFace);
    if (cutCount < neededCuts) {
        problem.fault = NetFault::kTooFewCuts;
    } else if (cutCount > neededCuts) {
        problem.fault = NetFault::kTooManyCuts;
    } else if (!tree) {
        problem.fault = NetFault::kCutsLoop;
    } else {
        PolyhedronNet net = LayOutNet(solid, shared, *tree);
        if (!NetFacesOverlap(net.vertices, net.faces, NormalOfFace(solid, baseFace))) {
            return net;
        }
        problem.fault = NetFault::kCutsOverlap;
    }
    return problem;
}

}  // namespace velnor
