#pragma once

#include <cmath>

namespace velnor {

// Degenerate cases of constructions: a parameter of 0 or 1, a zero length, coinciding points.
inline constexpr double kEpsConstruct = 0.0001;
// On/off verdicts and the components of cross products in parallel tests.
inline constexpr double kEpsOnOff = 0.001;
// Coplanarity of two lines and the leading coefficient of a plane equation.
inline constexpr double kEpsCoplanar = 0.01;
// Every measure converts with this twelve-digit value, so printed degrees match across the program.
inline constexpr double kPi = 3.14159265359;

// A single-precision value exceeds a tolerance when its magnitude is strictly greater.
inline bool Exceeds(float value, double tolerance) {
    return std::fabs(value) > tolerance;
}

}  // namespace velnor
