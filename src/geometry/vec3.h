#pragma once

#include <array>
#include <cmath>

namespace velnor {

// A position, direction or normal in single precision. Every operation rounds its result to
// float before it is used again, so a value comes out the same wherever it is computed.
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    bool operator==(const Vec3&) const = default;
};

inline Vec3 ToVec3(const std::array<float, 3>& p) {
    return {p[0], p[1], p[2]};
}

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

inline Vec3 operator-(Vec3 a) {
    return {-a.x, -a.y, -a.z};
}

inline Vec3 operator*(float s, Vec3 a) {
    return {s * a.x, s * a.y, s * a.z};
}

inline Vec3 operator/(Vec3 a, float s) {
    return {a.x / s, a.y / s, a.z / s};
}

inline float Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline float LengthSquared(Vec3 a) {
    return Dot(a, a);
}

inline float Length(Vec3 a) {
    return std::sqrt(LengthSquared(a));
}

}  // namespace velnor
