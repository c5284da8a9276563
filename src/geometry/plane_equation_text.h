#pragma once

#include <string>

#include "geometry/vec3.h"

namespace velnor {

// "name : ax+by+cz+e=0 " for the plane through P0, P1, P2 with normal (P0 − P1) × (P2 − P1),
// scaled so that the first coefficient clearly different from zero is 1.
std::string PlaneEquationText(const std::string& name, Vec3 p0, Vec3 p1, Vec3 p2);

}  // namespace velnor
