#include "geometry/polyhedron.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "geometry/polygon_geometry.h"

namespace velnor {

namespace {

bool IsProperFace(const Polyhedron& solid, const std::vector<int>& corners) {
    if (corners.size() < 3 ||
        std::set<int>(corners.begin(), corners.end()).size() != corners.size()) {
        return false;
    }
    std::vector<Vec3> positions;
    for (int corner : corners) {
        positions.push_back(solid.corners[corner]);
    }
    return Length(NewellNormal(positions)) > 0.0;
}

bool AllConnected(size_t faceCount, const std::vector<PolyhedronEdge>& edges) {
    std::vector<std::vector<int>> neighbours(faceCount);
    for (const PolyhedronEdge& edge : edges) {
        neighbours[edge.faces[0]].push_back(edge.faces[1]);
        neighbours[edge.faces[1]].push_back(edge.faces[0]);
    }
    std::vector<bool> reached(faceCount, false);
    std::vector<int> waiting{0};
    reached[0] = true;
    size_t count = 1;
    while (!waiting.empty()) {
        const int face = waiting.back();
        waiting.pop_back();
        for (int next : neighbours[face]) {
            if (!reached[next]) {
                reached[next] = true;
                ++count;
                waiting.push_back(next);
            }
        }
    }
    return count == faceCount;
}

}  // namespace

std::variant<std::vector<PolyhedronEdge>, NetProblem> PolyhedronEdges(const Polyhedron& solid) {
    std::map<std::pair<int, int>, std::vector<int>> facesAlong;
    for (size_t f = 0; f < solid.faces.size(); ++f) {
        const std::vector<int>& corners = solid.faces[f];
        if (!IsProperFace(solid, corners)) {
            return NetProblem{.fault = NetFault::kFlatFace, .face = static_cast<int>(f)};
        }
        for (size_t i = 0; i < corners.size(); ++i) {
            const auto ends = std::minmax(corners[i], corners[(i + 1) % corners.size()]);
            facesAlong[ends].push_back(static_cast<int>(f));
        }
    }
    std::vector<PolyhedronEdge> edges;
    for (const auto& [ends, faces] : facesAlong) {
        if (faces.size() != 2) {
            return NetProblem{
                .fault = faces.size() == 1 ? NetFault::kOpenEdge : NetFault::kCrowdedEdge,
                .cornerA = ends.first,
                .cornerB = ends.second,
                .faceCount = static_cast<int>(faces.size())};
        }
        edges.push_back({ends.first, ends.second, {faces[0], faces[1]}});
    }
    if (solid.faces.empty() || !AllConnected(solid.faces.size(), edges)) {
        return NetProblem{.fault = NetFault::kSeparateParts};
    }
    return edges;
}

}  // namespace velnor
