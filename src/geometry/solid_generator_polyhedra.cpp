#include <array>
#include <cmath>
#include <span>

#include "geometry/solid_generator_builder.h"
#include "geometry/solid_generators.h"

namespace velnor {

namespace {

// The regular polyhedra hide their vertices: only their edges and faces are drawn.
constexpr uint8_t kHidden = 0;

using Pair = std::array<int, 2>;

// clang-format off
constexpr std::array<Vec3, 6> kOctahedron{{
    {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}}};
constexpr std::array<Pair, 12> kOctahedronEdges{{
    {0, 2}, {2, 1}, {1, 3}, {3, 0}, {4, 0}, {4, 1}, {4, 2}, {4, 3}, {5, 0}, {5, 1}, {5, 2}, {5, 3}}};
constexpr std::array<std::array<int, 3>, 8> kOctahedronFaces{{
    {0, 4, 2}, {1, 2, 4}, {0, 3, 4}, {1, 4, 3}, {0, 2, 5}, {1, 5, 2}, {0, 5, 3}, {1, 3, 5}}};

constexpr float kPhi = 1.618034f;
constexpr float kInvPhi = 0.618034f;
constexpr std::array<Vec3, 20> kDodecahedron{{
    {-kPhi, 0, kInvPhi}, {kPhi, 0, kInvPhi}, {-1, -1, -1}, {-1, -1, 1}, {-1, 1, -1},
    {-1, 1, 1}, {1, -1, -1}, {1, -1, 1}, {1, 1, -1}, {1, 1, 1},
    {kInvPhi, kPhi, 0}, {kInvPhi, -kPhi, 0}, {-kInvPhi, kPhi, 0}, {-kInvPhi, -kPhi, 0},
    {-kPhi, 0, -kInvPhi}, {kPhi, 0, -kInvPhi}, {0, kInvPhi, kPhi}, {0, kInvPhi, -kPhi},
    {0, -kInvPhi, kPhi}, {0, -kInvPhi, -kPhi}}};
constexpr std::array<Pair, 30> kDodecahedronEdges{{
    {0, 3}, {3, 18}, {18, 16}, {16, 5}, {5, 0}, {18, 7}, {7, 1}, {1, 9}, {9, 16}, {7, 11},
    {11, 13}, {13, 3}, {9, 10}, {10, 12}, {12, 5}, {6, 11}, {13, 2}, {2, 19}, {19, 6}, {8, 10},
    {12, 4}, {4, 17}, {17, 8}, {6, 15}, {15, 1}, {15, 8}, {14, 4}, {14, 2}, {0, 14}, {19, 17}}};
constexpr std::array<std::array<int, 5>, 12> kDodecahedronFaces{{
    {0, 3, 18, 16, 5}, {1, 9, 16, 18, 7}, {3, 13, 11, 7, 18}, {2, 19, 6, 11, 13},
    {0, 14, 2, 13, 3}, {1, 7, 11, 6, 15}, {5, 16, 9, 10, 12}, {4, 12, 10, 8, 17},
    {0, 5, 12, 4, 14}, {1, 15, 8, 10, 9}, {2, 14, 4, 17, 19}, {6, 19, 17, 8, 15}}};

// 1/√(1 + φ²) and φ/√(1 + φ²): the corners lie on the unit sphere.
constexpr float kIcoA = 0.5257311f;
constexpr float kIcoB = 0.8506508f;
constexpr std::array<Vec3, 12> kIcosahedron{{
    {-kIcoA, 0, kIcoB}, {kIcoA, 0, kIcoB}, {-kIcoA, 0, -kIcoB}, {kIcoA, 0, -kIcoB},
    {0, kIcoB, kIcoA}, {0, kIcoB, -kIcoA}, {0, -kIcoB, kIcoA}, {0, -kIcoB, -kIcoA},
    {kIcoB, kIcoA, 0}, {-kIcoB, kIcoA, 0}, {kIcoB, -kIcoA, 0}, {-kIcoB, -kIcoA, 0}}};
constexpr std::array<Pair, 30> kIcosahedronEdges{{
    {0, 1}, {0, 4}, {0, 6}, {1, 4}, {1, 6}, {0, 9}, {0, 11}, {1, 8}, {1, 10}, {4, 9},
    {6, 11}, {4, 8}, {6, 10}, {9, 11}, {8, 10}, {2, 3}, {2, 5}, {2, 7}, {3, 5}, {3, 7},
    {2, 9}, {2, 11}, {3, 8}, {3, 10}, {5, 9}, {7, 11}, {5, 8}, {7, 10}, {4, 5}, {6, 7}}};
constexpr std::array<std::array<int, 3>, 20> kIcosahedronFaces{{
    {0, 4, 1}, {0, 9, 4}, {9, 5, 4}, {4, 5, 8}, {4, 8, 1}, {8, 10, 1}, {8, 3, 10},
    {5, 3, 8}, {5, 2, 3}, {2, 7, 3}, {7, 10, 3}, {7, 6, 10}, {7, 11, 6}, {11, 0, 6},
    {0, 1, 6}, {6, 1, 10}, {9, 0, 11}, {9, 11, 2}, {9, 2, 5}, {7, 2, 11}}};
// clang-format on

// Writes the unit table scaled by `scale` about the centre, labelled A, B, ... and hidden, then the
// edges and faces in table order.
template <size_t V, size_t E, size_t F, size_t N>
std::optional<AddedCells> AddPolyhedron(CGpage& page, Vec3 centre, float scale,
                                        const std::array<Vec3, V>& corners,
                                        const std::array<Pair, E>& edges,
                                        const std::array<std::array<int, N>, F>& faces) {
    if (!RoomForFigure(page, static_cast<int>(V))) {
        return std::nullopt;
    }
    FigureBuilder solid(page);
    for (size_t i = 0; i < V; ++i) {
        solid.Vertex(centre + scale * corners[i], LetterLabel(static_cast<int>(i)), kHidden);
    }
    for (const Pair& edge : edges) {
        solid.Edge(edge[0], edge[1]);
    }
    for (const auto& face : faces) {
        solid.Face(std::vector<int>(face.begin(), face.end()));
    }
    return solid.Finish(static_cast<char>('A' + V));
}

}  // namespace

std::optional<AddedCells> AddOctahedron(CGpage& page, Vec3 centre, float radius) {
    return AddPolyhedron(page, centre, radius, kOctahedron, kOctahedronEdges, kOctahedronFaces);
}

std::optional<AddedCells> AddDodecahedron(CGpage& page, Vec3 centre, float radius) {
    // The unit table's corners lie at distance √3 from its centre.
    return AddPolyhedron(page, centre, radius / std::sqrt(3.0f), kDodecahedron, kDodecahedronEdges,
                         kDodecahedronFaces);
}

std::optional<AddedCells> AddIcosahedron(CGpage& page, Vec3 centre, float radius) {
    return AddPolyhedron(page, centre, radius, kIcosahedron, kIcosahedronEdges, kIcosahedronFaces);
}

}  // namespace velnor
