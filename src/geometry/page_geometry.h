#pragma once

#include <array>
#include <cstdint>

#include "geometry/kernel.h"
#include "geometry/vec3.h"
#include "model/page.h"

namespace velnor {

// How many vertices, lines, faces and solids the page has selected.
struct SelectionCounts {
    size_t points = 0;
    size_t lines = 0;
    size_t faces = 0;
    size_t solids = 0;
};

SelectionCounts CountSelection(const CGpage& page);

// A row outside the table (a damaged reference) reads as the origin.
inline Vec3 VertexPosition(const CGpage& page, int vertex) {
    if (vertex < 0 || vertex >= CGpage::kMaxVertices) {
        return {};
    }
    return ToVec3(page.m_pos[vertex]);
}

// A line cell's vertices and their positions.
struct LineEnds {
    uint8_t start = 0;
    uint8_t end = 0;
    Vec3 a;
    Vec3 b;
};

// The first three vertices of a face, which give its plane.
struct FaceCorners {
    std::array<uint8_t, 3> index{};
    Vec3 v0;
    Vec3 v1;
    Vec3 v2;

    PlaneEquation Plane() const { return FacePlane(v0, v1, v2); }
    Vec3 Normal() const { return FaceNormal(v0, v1, v2); }
};

// Null when the key names no cell of that map.
const CLineCell* FindLine(const CGpage& page, int key);
const CFaceCell* FindFace(const CGpage& page, int key);
const CSubassembly* FindSolid(const CGpage& page, int key);
CSubassembly* FindSolid(CGpage& page, int key);

LineEnds EndsOf(const CGpage& page, const CLineCell& line);
FaceCorners CornersOf(const CGpage& page, const CFaceCell& face);

}  // namespace velnor
