#include "shapes/flat_shapes.h"

#include <array>
#include <cmath>

namespace velnor {

namespace {

struct CubeSide {
    Rgb colour;
    Vec3 normal;
    std::array<Vec3, 4> corners;  // counter-clockwise seen from outside
};

constexpr std::array<CubeSide, 6> kCubeSides{{
    {{255, 0, 255}, {0, 0, 1}, {{{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}}},
    {{255, 0, 0}, {0, 0, -1}, {{{-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, -1}}}},
    {{0, 0, 255}, {0, 1, 0}, {{{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}}}},
    {{0, 255, 255}, {0, -1, 0}, {{{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}}}},
    {{255, 255, 0}, {1, 0, 0}, {{{1, -1, -1}, {1, 1, -1}, {1, 1, 1}, {1, -1, 1}}}},
    {{0, 255, 0}, {-1, 0, 0}, {{{-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}}}},
}};

// The texture's corners, in the order of a side's corners.
constexpr std::array<std::array<float, 2>, 4> kPictureCorners{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};

Surface Square(const Vec3& normal, const std::array<Vec3, 4>& corners, Rgb colour) {
    Surface square;
    square.paint = SurfacePaint::kOwnColour;
    square.ownColour = colour;
    for (size_t i = 0; i < corners.size(); ++i) {
        square.Add({corners[i], normal, kPictureCorners[i][0], kPictureCorners[i][1]});
    }
    square.AddQuad(0, 1, 2, 3);
    return square;
}

constexpr double kPanelAngle = 0.31415927;
constexpr int kPanels = 20;

Vec3 OnPanelCircle(double radius, int k, double z) {
    return {static_cast<float>(radius * std::cos(k * kPanelAngle)),
            static_cast<float>(radius * std::sin(k * kPanelAngle)), static_cast<float>(z)};
}

// A fan over the panels' circle at z, facing `normalZ`.
Surface PanelDisc(double radius, double z, float normalZ) {
    Surface disc;
    const Vec3 normal{0.0f, 0.0f, normalZ};
    const uint32_t centre = disc.Add({{0.0f, 0.0f, static_cast<float>(z)}, normal});
    for (int k = 0; k <= kPanels; ++k) {
        disc.Add({OnPanelCircle(radius, k, z), normal});
    }
    for (uint32_t k = 1; k <= kPanels; ++k) {
        if (normalZ > 0.0f) {
            disc.AddTriangle(centre, k, k + 1);
        } else {
            disc.AddTriangle(centre, k + 1, k);
        }
    }
    return disc;
}

}  // namespace

std::vector<Surface> ColouredCube() {
    std::vector<Surface> sides;
    for (const CubeSide& side : kCubeSides) {
        sides.push_back(Square(side.normal, side.corners, side.colour));
    }
    return sides;
}

Surface BlueSquare() {
    return Square({0, 0, 1}, {{{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}}}, {0, 0, 255});
}

std::vector<MeshLine> CubeEdges(double size) {
    const float h = static_cast<float>(size / 2.0);
    std::vector<MeshLine> edges;
    for (int axis = 0; axis < 3; ++axis) {
        for (const float u : {-h, h}) {
            for (const float v : {-h, h}) {
                std::array<float, 3> a{}, b{};
                a[axis] = -h;
                b[axis] = h;
                a[(axis + 1) % 3] = b[(axis + 1) % 3] = u;
                a[(axis + 2) % 3] = b[(axis + 2) % 3] = v;
                edges.push_back({ToVec3(a), ToVec3(b)});
            }
        }
    }
    return edges;
}

MeshLine SquareBorder() {
    return {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}, {-1, -1, 0}};
}

MeshLine StepCircle() {
    MeshLine circle{{1.0f, 0.0f, 0.0f}};
    for (float t = 0.1f; t < 6.2831855f; t += 0.1f) {
        circle.push_back({std::cos(t), std::sin(t), 0.0f});
    }
    circle.push_back(circle.front());
    return circle;
}

Surface StepCylinderSide() {
    Surface side;
    for (float t = 0.0f; t < 6.5f; t += 0.2f) {
        const Vec3 normal{std::cos(t), std::sin(t), 0.0f};
        side.Add({{normal.x, normal.y, -0.5f}, normal});
        side.Add({{normal.x, normal.y, 0.5f}, normal});
    }
    for (uint32_t i = 0; i + 3 < side.vertices.size(); i += 2) {
        side.AddQuad(i, i + 2, i + 3, i + 1);
    }
    return side;
}

std::vector<MeshLine> FrustumPanelLines(double top) {
    std::vector<MeshLine> lines;
    for (int k = 0; k < kPanels; ++k) {
        lines.push_back({OnPanelCircle(1.0, k, 0.0), OnPanelCircle(1.0, k + 1, 0.0)});
        lines.push_back({OnPanelCircle(top, k, 1.0), OnPanelCircle(top, k + 1, 1.0)});
        lines.push_back({OnPanelCircle(1.0, k, 0.0), OnPanelCircle(top, k, 1.0)});
    }
    return lines;
}

std::vector<Surface> FrustumBody(double top) {
    Surface panels;
    const float rise = static_cast<float>(1.0 - top);
    for (int k = 0; k < kPanels; ++k) {
        const auto corner = [&](int at, double radius, double z) {
            const Vec3 p = OnPanelCircle(1.0, at, 0.0);
            const Vec3 normal = Vec3{p.x, p.y, rise} / Length(Vec3{p.x, p.y, rise});
            return panels.Add({OnPanelCircle(radius, at, z), normal});
        };
        panels.AddQuad(corner(k, 1.0, 0.0), corner(k + 1, 1.0, 0.0), corner(k + 1, top, 1.0),
                       corner(k, top, 1.0));
    }
    return {std::move(panels), PanelDisc(1.0, 0.0, -1.0f), PanelDisc(top, 1.0, 1.0f)};
}

}  // namespace velnor
