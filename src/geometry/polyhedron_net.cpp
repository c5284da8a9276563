#include "geometry/polyhedron_net.h"

#include "geometry/net_overlap.h"
#include "geometry/net_trees.h"
#include "geometry/polygon_geometry.h"

namespace velnor {

std::variant<PolyhedronNet, NetProblem> UnfoldPolyhedron(const Polyhedron& solid, int baseFace) {
    auto edges = PolyhedronEdges(solid);
    if (const NetProblem* problem = std::get_if<NetProblem>(&edges)) {
        return *problem;
    }
    const auto& shared = std::get<std::vector<PolyhedronEdge>>(edges);
    std::vector<Vec3> base;
    for (int corner : solid.faces[baseFace]) {
        base.push_back(solid.corners[corner]);
    }
    const Vec3d normal = NewellNormal(base);
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

}  // namespace velnor
