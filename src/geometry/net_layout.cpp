#include "geometry/net_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "geometry/polygon_geometry.h"
#include "geometry/tolerances.h"
#include "geometry/vec3d.h"

namespace velnor {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// x ↦ turn · x + shift.
struct RigidMotion {
    Matrix turn{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    Vec3d shift;

    Vec3d Turn(Vec3d v) const {
        const auto row = [&v](const std::array<double, 3>& r) {
            return r[0] * v.x + r[1] * v.y + r[2] * v.z;
        };
        return {row(turn[0]), row(turn[1]), row(turn[2])};
    }
    Vec3d Apply(Vec3d p) const { return Turn(p) + shift; }
};

// The turn by `radians` about the axis through `point` along the unit `axis`, right-handed.
RigidMotion TurnAbout(Vec3d point, Vec3d axis, double radians) {
    const double c = std::cos(radians), s = std::sin(radians);
    const std::array<double, 3> k{axis.x, axis.y, axis.z};
    const Matrix cross{{{0, -k[2], k[1]}, {k[2], 0, -k[0]}, {-k[1], k[0], 0}}};
    RigidMotion motion;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            motion.turn[i][j] = k[i] * k[j] * (1 - c) + (i == j ? c : 0.0) + s * cross[i][j];
        }
    }
    motion.shift = point - motion.Turn(point);
    return motion;
}

// `inner` first, then `outer`.
RigidMotion Then(const RigidMotion& inner, const RigidMotion& outer) {
    RigidMotion motion;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            motion.turn[i][j] = outer.turn[i][0] * inner.turn[0][j] +
                                outer.turn[i][1] * inner.turn[1][j] +
                                outer.turn[i][2] * inner.turn[2][j];
        }
    }
    motion.shift = outer.Apply(inner.shift);
    return motion;
}

int IndexIn(const std::vector<int>& corners, int corner) {
    return static_cast<int>(std::find(corners.begin(), corners.end(), corner) - corners.begin());
}

// The unit direction in the face's plane, across the edge into the face: the left of the edge
// as the face runs round, seen from the face's normal.
Vec3d IntoFace(const Polyhedron& solid, int face, const PolyhedronEdge& edge) {
    const std::vector<int>& corners = solid.faces[face];
    std::vector<Vec3> positions;
    for (int corner : corners) {
        positions.push_back(solid.corners[corner]);
    }
    const size_t count = corners.size();
    const size_t at = static_cast<size_t>(IndexIn(corners, edge.a));
    const bool forward = corners[(at + 1) % count] == edge.b;
    const Vec3d along = ToVec3d(solid.corners[edge.b]) - ToVec3d(solid.corners[edge.a]);
    return Unit(Cross(NewellNormal(positions), forward ? along : -along));
}

// Where each face goes and the hinge that folds it back; the root stays.
class NetBuilder {
public:
    NetBuilder(const Polyhedron& solid, const std::vector<PolyhedronEdge>& edges,
               const FaceTree& tree)
        : m_solid(solid),
          m_edges(edges),
          m_tree(tree),
          m_place(solid.faces.size()),
          m_hinges(solid.faces.size()) {}

    PolyhedronNet Build() {
        for (int face : m_tree.order) {
            if (m_tree.parent[face] >= 0) {
                Unfold(face);
            }
        }
        PolyhedronNet net;
        ShareHingeVertices(net);
        SetHeights();
        for (int face : m_tree.order) {
            if (m_tree.parent[face] >= 0) {
                net.hinges.push_back(std::move(m_hinges[face]));
            }
        }
        CollectMoved(net);
        std::stable_sort(net.hinges.begin(), net.hinges.end(),
                         [](const NetHinge& a, const NetHinge& b) { return a.height < b.height; });
        return net;
    }

private:
    Vec3d Corner(int corner) const { return ToVec3d(m_solid.corners[corner]); }

    // Turns the face about its hinge, away from its parent, into the parent's plane.
    void Unfold(int face) {
        const int parent = m_tree.parent[face];
        const PolyhedronEdge& edge = m_edges[m_tree.hinge[face]];
        const Vec3d a = Corner(edge.a);
        const Vec3d axis = Unit(Corner(edge.b) - a);
        const Vec3d from = IntoFace(m_solid, face, edge);
        const Vec3d to = -IntoFace(m_solid, parent, edge);
        const double radians = std::atan2(Dot(axis, Cross(from, to)), Dot(from, to));
        m_place[face] = Then(TurnAbout(a, axis, radians), m_place[parent]);
        NetHinge& hinge = m_hinges[face];
        hinge.face = face;
        hinge.axisPoint = ToVec3(m_place[parent].Apply(a));
        hinge.axisDir = ToVec3(m_place[parent].Turn(axis));
        hinge.foldDegrees = static_cast<float>(-radians * 180.0 / kPi);
    }

    // A corner is one net vertex for all faces joined at it through hinges, placed where the
    // first of them (nearest the root) puts it.
    void ShareHingeVertices(PolyhedronNet& net) {
        const size_t faceCount = m_solid.faces.size();
        std::vector<int> offset(faceCount + 1, 0);
        for (size_t f = 0; f < faceCount; ++f) {
            offset[f + 1] = offset[f] + static_cast<int>(m_solid.faces[f].size());
        }
        std::vector<int> group(offset.back());
        std::iota(group.begin(), group.end(), 0);
        const auto find = [&group](int node) {
            while (group[node] != node) {
                node = group[node] = group[group[node]];
            }
            return node;
        };
        const auto node = [&](int face, int corner) {
            return offset[face] + IndexIn(m_solid.faces[face], corner);
        };
        for (int face : m_tree.order) {
            const int parent = m_tree.parent[face];
            if (parent >= 0) {
                const PolyhedronEdge& edge = m_edges[m_tree.hinge[face]];
                group[find(node(face, edge.a))] = find(node(parent, edge.a));
                group[find(node(face, edge.b))] = find(node(parent, edge.b));
            }
        }
        std::vector<int> vertexOf(offset.back(), -1);
        net.faces.resize(faceCount);
        for (int face : m_tree.order) {
            for (int corner : m_solid.faces[face]) {
                int& vertex = vertexOf[find(node(face, corner))];
                if (vertex < 0) {
                    vertex = static_cast<int>(net.vertices.size());
                    net.vertices.push_back(ToVec3(m_place[face].Apply(Corner(corner))));
                }
                net.faces[face].push_back(vertex);
            }
        }
    }

    void SetHeights() {
        for (auto it = m_tree.order.rbegin(); it != m_tree.order.rend(); ++it) {
            const int parent = m_tree.parent[*it];
            if (parent >= 0) {
                m_hinges[parent].height =
                    std::max(m_hinges[parent].height, m_hinges[*it].height + 1);
            }
        }
    }

    // A hinge turns the vertices of its face and of every face hanging from it, except the two
    // on its axis.
    void CollectMoved(PolyhedronNet& net) const {
        std::vector<int> hingeOfFace(m_solid.faces.size(), -1);
        for (size_t h = 0; h < net.hinges.size(); ++h) {
            hingeOfFace[net.hinges[h].face] = static_cast<int>(h);
        }
        for (size_t face = 0; face < m_solid.faces.size(); ++face) {
            for (int f = static_cast<int>(face); m_tree.parent[f] >= 0; f = m_tree.parent[f]) {
                std::vector<int>& moved = net.hinges[hingeOfFace[f]].moved;
                moved.insert(moved.end(), net.faces[face].begin(), net.faces[face].end());
            }
        }
        for (NetHinge& hinge : net.hinges) {
            const PolyhedronEdge& edge = m_edges[m_tree.hinge[hinge.face]];
            const std::vector<int>& corners = m_solid.faces[hinge.face];
            const int endA = net.faces[hinge.face][IndexIn(corners, edge.a)];
            const int endB = net.faces[hinge.face][IndexIn(corners, edge.b)];
            std::sort(hinge.moved.begin(), hinge.moved.end());
            hinge.moved.erase(std::unique(hinge.moved.begin(), hinge.moved.end()),
                              hinge.moved.end());
            std::erase_if(hinge.moved, [&](int v) { return v == endA || v == endB; });
        }
    }

    const Polyhedron& m_solid;
    const std::vector<PolyhedronEdge>& m_edges;
    const FaceTree& m_tree;
    std::vector<RigidMotion> m_place;
    std::vector<NetHinge> m_hinges;  // by face, while they are built
};

}  // namespace

PolyhedronNet LayOutNet(const Polyhedron& solid, const std::vector<PolyhedronEdge>& edges,
                        const FaceTree& tree) {
    return NetBuilder(solid, edges, tree).Build();
}

}  // namespace velnor
