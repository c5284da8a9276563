#pragma once

#include <cmath>

#include "geometry/vec3.h"

namespace velnor {

// v turned by `angle` radians about the unit `axis`, counter-clockwise seen from its tip, as
// glRotate turns.
inline Vec3 Turned(const Vec3& v, const Vec3& axis, double angle) {
    const auto c = static_cast<float>(std::cos(angle)), s = static_cast<float>(std::sin(angle));
    return c * v + s * Cross(axis, v) + (1.0f - c) * Dot(axis, v) * axis;
}

}  // namespace velnor
