#include <array>
#include <cmath>

#include "geometry/solid_generator_builder.h"
#include "geometry/solid_generators.h"

namespace velnor {

namespace {

struct Corner {
    float sx, sy, sz;  // signs of the half sizes
    const char* label;
    Float3 colour;
};

// Top corners first, each layer C D A B going round from (+x, +y).
constexpr std::array<Corner, 8> kBoxCorners{{
    {+1, +1, +1, "C1", {1.0f, 0.0f, 1.0f}},
    {-1, +1, +1, "D1", {0.0f, 0.0f, 1.0f}},
    {-1, -1, +1, "A1", {0.0f, 1.0f, 1.0f}},
    {+1, -1, +1, "B1", {0.8f, 0.8f, 0.8f}},
    {+1, +1, -1, "C", {1.0f, 0.0f, 0.0f}},
    {-1, +1, -1, "D", {0.4f, 0.4f, 0.4f}},
    {-1, -1, -1, "A", {0.0f, 1.0f, 0.0f}},
    {+1, -1, -1, "B", {1.0f, 1.0f, 0.0f}},
}};

enum BoxCorner { kC1, kD1, kA1, kB1, kC, kD, kA, kB };

}  // namespace

std::optional<AddedCells> AddCuboid(CGpage& page, Vec3 centre, float length, float width,
                                    float height) {
    if (!RoomForFigure(page, 8)) {
        return std::nullopt;
    }
    const Vec3 half{length / 2.0f, width / 2.0f, height / 2.0f};
    FigureBuilder box(page);
    for (const Corner& corner : kBoxCorners) {
        box.Vertex(centre + Vec3{corner.sx * half.x, corner.sy * half.y, corner.sz * half.z},
                   corner.label, corner.colour, 1);
    }
    box.Edge(kD1, kC1);
    box.Edge(kC1, kB1);
    box.Edge(kB1, kA1);
    box.Edge(kA1, kD1);
    box.Edge(kC, kD);
    box.Edge(kD, kA);
    box.Edge(kA, kB);
    box.Edge(kB, kC);
    box.Edge(kA, kA1);
    box.Edge(kC, kC1);
    box.Edge(kB1, kB);
    box.Edge(kD1, kD);
    box.Face({kB1, kA1, kA, kB});
    box.Face({kC1, kC, kD, kD1});
    box.Face({kD1, kD, kA, kA1});
    box.Face({kC1, kB1, kB, kC});
    box.Face({kD1, kA1, kB1, kC1});
    box.Face({kD, kC, kB, kA});
    return box.Finish('E');
}

std::optional<AddedCells> AddCube(CGpage& page, Vec3 centre, float edge) {
    return AddCuboid(page, centre, edge, edge, edge);
}

std::optional<AddedCells> AddIntersectingPlanes(CGpage& page, Vec3 centre, float edge) {
    if (!RoomForFigure(page, 10)) {
        return std::nullopt;
    }
    const float h = edge / 2.0f;
    const float q = edge / 4.0f;
    const float s = std::sqrt(3.0f) * edge / 4.0f;
    FigureBuilder planes(page);
    planes.Vertex(centre + Vec3{-h, -h, 0}, "A");
    planes.Vertex(centre + Vec3{h, -h, 0}, "B");
    planes.Vertex(centre + Vec3{h, h, 0}, "C");
    planes.Vertex(centre + Vec3{-h, h, 0}, "D");
    planes.Vertex(centre + Vec3{-q, -h, s}, "E");
    planes.Vertex(centre + Vec3{q, -h, -s}, "F");
    planes.Vertex(centre + Vec3{q, h, -s}, "G");
    planes.Vertex(centre + Vec3{-q, h, s}, "H");
    planes.Vertex(centre + Vec3{0, -h, 0}, "M");
    planes.Vertex(centre + Vec3{0, h, 0}, "N");
    enum { kA, kB, kC, kD, kE, kF, kG, kH, kM, kN };
    planes.Edge(kA, kB);
    planes.Edge(kB, kC);
    planes.Edge(kC, kD);
    planes.Edge(kD, kA);
    planes.Edge(kE, kM);
    planes.Edge(kM, kN);
    planes.Edge(kN, kH);
    planes.Edge(kH, kE);
    planes.Edge(kM, kF);
    planes.Edge(kF, kG);
    planes.Edge(kG, kN);
    planes.Face({kA, kB, kC, kD});
    planes.Face({kE, kM, kN, kH});
    planes.Face({kM, kF, kG, kN});
    return planes.Finish('I');
}

}  // namespace velnor
