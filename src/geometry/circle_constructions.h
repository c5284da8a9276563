#pragma once

#include <optional>

#include "geometry/vec3.h"
#include "model/page.h"

namespace velnor {

// A circle by its centre, its normal (not normalised) and its radius.
struct CircleThrough {
    Vec3 centre;
    Vec3 axis;
    float radius = 0.0f;
};

// The circle through P1, P2, P3 with axis (P1 − P2) × (P3 − P2). Its centre solves the two
// perpendicular bisector planes and the plane of the points by Cramer's rule; nothing when that
// system has a determinant of exactly 0 (or, for points all but collinear, a centre too far away
// to be a number).
std::optional<CircleThrough> CircleThroughThreePoints(Vec3 p1, Vec3 p2, Vec3 p3);

// "过三点的圆": exactly three vertices selected.
bool CanAddCircleThroughThreePoints(const CGpage& page);
// "圆的法线" and "圆上动点": exactly one solid selected and it is a circle.
bool IsCircleSelected(const CGpage& page);

}  // namespace velnor
