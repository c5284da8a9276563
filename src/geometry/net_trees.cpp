#include "geometry/net_trees.h"

#include <algorithm>
#include <numeric>
#include <random>

#include "geometry/vec3d.h"

namespace velnor {

namespace {

constexpr int kSteepestEdgeAttempts = 200;

// Cuts, at every corner, the edge that climbs most steeply towards `up`; on a convex solid the
// cut edges span the corners, and the edges left join the faces in a tree.
std::vector<bool> SteepestEdgeJoints(const Polyhedron& solid,
                                     const std::vector<PolyhedronEdge>& edges, Vec3d up) {
    std::vector<int> steepest(solid.corners.size(), -1);
    std::vector<double> slope(solid.corners.size(), 0.0);
    for (size_t e = 0; e < edges.size(); ++e) {
        const Vec3d a = ToVec3d(solid.corners[edges[e].a]);
        const Vec3d b = ToVec3d(solid.corners[edges[e].b]);
        const double climb = Dot(Unit(b - a), up);
        const int low = climb > 0.0 ? edges[e].a : edges[e].b;
        if (std::fabs(climb) > slope[low]) {
            slope[low] = std::fabs(climb);
            steepest[low] = static_cast<int>(e);
        }
    }
    std::vector<bool> kept(edges.size(), true);
    for (int e : steepest) {
        if (e >= 0) {
            kept[e] = false;
        }
    }
    return kept;
}

Vec3d RandomDirection(std::mt19937& random) {
    std::normal_distribution<double> normal;
    return Unit(Vec3d{normal(random), normal(random), normal(random)});
}

// The edges a random spanning tree keeps: Kruskal's choice over the edges in random order.
std::vector<bool> RandomJoints(size_t faceCount, const std::vector<PolyhedronEdge>& edges,
                               std::mt19937& random) {
    std::vector<int> order(edges.size());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    std::vector<int> group(faceCount);
    std::iota(group.begin(), group.end(), 0);
    const auto find = [&group](int f) {
        while (group[f] != f) {
            f = group[f] = group[group[f]];
        }
        return f;
    };
    std::vector<bool> kept(edges.size(), false);
    for (int e : order) {
        const int a = find(edges[e].faces[0]), b = find(edges[e].faces[1]);
        if (a != b) {
            group[a] = b;
            kept[e] = true;
        }
    }
    return kept;
}

}  // namespace

std::optional<FaceTree> TreeOfJoints(size_t faceCount, const std::vector<PolyhedronEdge>& edges,
                                     const std::vector<bool>& kept, int root) {
    std::vector<std::vector<int>> edgesOf(faceCount);
    for (size_t e = 0; e < edges.size(); ++e) {
        if (kept[e]) {
            edgesOf[edges[e].faces[0]].push_back(static_cast<int>(e));
            edgesOf[edges[e].faces[1]].push_back(static_cast<int>(e));
        }
    }
    FaceTree tree{std::vector<int>(faceCount, -1), std::vector<int>(faceCount, -1), {root}};
    std::vector<bool> reached(faceCount, false);
    reached[root] = true;
    for (size_t k = 0; k < tree.order.size(); ++k) {
        const int face = tree.order[k];
        for (int e : edgesOf[face]) {
            const int next = edges[e].faces[0] == face ? edges[e].faces[1] : edges[e].faces[0];
            if (!reached[next]) {
                reached[next] = true;
                tree.parent[next] = face;
                tree.hinge[next] = e;
                tree.order.push_back(next);
            }
        }
    }
    if (tree.order.size() != faceCount) {
        return std::nullopt;
    }
    return tree;
}

std::optional<FaceTree> CandidateTree(const Polyhedron& solid,
                                      const std::vector<PolyhedronEdge>& edges, int root,
                                      int attempt) {
    const size_t faceCount = solid.faces.size();
    if (attempt == 0) {
        return TreeOfJoints(faceCount, edges, std::vector<bool>(edges.size(), true), root);
    }
    std::mt19937 random(static_cast<unsigned>(attempt));
    if (attempt <= kSteepestEdgeAttempts) {
        return TreeOfJoints(faceCount, edges,
                            SteepestEdgeJoints(solid, edges, RandomDirection(random)), root);
    }
    return TreeOfJoints(faceCount, edges, RandomJoints(faceCount, edges, random), root);
}

}  // namespace velnor
