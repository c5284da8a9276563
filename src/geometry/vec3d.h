#pragma once

#include <cmath>

#include "geometry/vec3.h"

namespace velnor {

// A position or direction in double precision, for computations that chain many rigid motions
// (laying out a net face by face) and round to single precision only at the end.
struct Vec3d {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline Vec3d ToVec3d(Vec3 v) {
    return {v.x, v.y, v.z};
}

inline Vec3 ToVec3(Vec3d v) {
    return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}

inline Vec3d operator+(Vec3d a, Vec3d b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline Vec3d operator-(Vec3d a, Vec3d b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

inline Vec3d operator-(Vec3d a) {
    return {-a.x, -a.y, -a.z};
}

inline Vec3d operator*(double s, Vec3d a) {
    return {s * a.x, s * a.y, s * a.z};
}

inline double Dot(Vec3d a, Vec3d b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline Vec3d Cross(Vec3d a, Vec3d b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double Length(Vec3d a) {
    return std::sqrt(Dot(a, a));
}

// The direction of a; the zero vector stays zero.
inline Vec3d Unit(Vec3d a) {
    const double length = Length(a);
    return length == 0.0 ? a : (1.0 / length) * a;
}

}  // namespace velnor
