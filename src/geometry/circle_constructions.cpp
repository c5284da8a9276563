#include "geometry/circle_constructions.h"

#include <cmath>

#include "geometry/circle_solids.h"

namespace velnor {

namespace {

// The determinant of the matrix with these rows.
float Determinant(Vec3 r0, Vec3 r1, Vec3 r2) {
    return Dot(r0, Cross(r1, r2));
}

// Rows of the matrix with its column `column` replaced by `rhs`.
Vec3 WithColumn(Vec3 row, int column, float value) {
    if (column == 0) {
        row.x = value;
    } else if (column == 1) {
        row.y = value;
    } else {
        row.z = value;
    }
    return row;
}

bool IsFinite(Vec3 v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

}  // namespace

std::optional<CircleThrough> CircleThroughThreePoints(Vec3 p1, Vec3 p2, Vec3 p3) {
    const Vec3 a = p1 - p2;
    const Vec3 b = p3 - p2;
    const Vec3 n = Cross(a, b);
    const Vec3 rhs{Dot(a, 0.5f * (p1 + p2)), Dot(b, 0.5f * (p2 + p3)), Dot(n, p2)};
    const float det = Determinant(a, b, n);
    if (det == 0.0f) {
        return std::nullopt;
    }
    float centre[3];
    for (int column = 0; column < 3; ++column) {
        centre[column] = Determinant(WithColumn(a, column, rhs.x), WithColumn(b, column, rhs.y),
                                     WithColumn(n, column, rhs.z)) /
                         det;
    }
    const Vec3 x{centre[0], centre[1], centre[2]};
    const float radius = Length(p2 - x);
    if (!IsFinite(x) || !std::isfinite(radius)) {
        return std::nullopt;
    }
    return CircleThrough{x, n, radius};
}

bool CanAddCircleThroughThreePoints(const CGpage& page) {
    return page.m_selPoints.size() == 3;
}

bool IsCircleSelected(const CGpage& page) {
    return SelectedSolidOfKind(page, kSolidCircleOutline) != nullptr;
}

}  // namespace velnor
