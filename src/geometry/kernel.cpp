#include "geometry/kernel.h"

#include <algorithm>
#include <cmath>

#include "geometry/tolerances.h"

namespace velnor {

float GuardedQuotient(float numerator, float denominator) {
    if (denominator == 0.0f) {
        return 0.0f;
    }
    const float quotient = numerator / denominator;
    return std::isfinite(quotient) ? quotient : 0.0f;
}

float CosineBetween(Vec3 u, Vec3 v) {
    const float lengths = Length(u) * Length(v);
    if (lengths == 0.0f) {
        return 1.0f;
    }
    return GuardedQuotient(Dot(u, v), lengths);
}

Vec3 FaceNormal(Vec3 v0, Vec3 v1, Vec3 v2) {
    return Cross(v0 - v1, v2 - v1);
}

PlaneEquation FacePlane(Vec3 v0, Vec3 v1, Vec3 v2) {
    const Vec3 n = FaceNormal(v0, v1, v2);
    return {n, -Dot(n, v1)};
}

float DistancePointLine(Vec3 p, Vec3 a, Vec3 b) {
    const Vec3 u = b - a;
    return std::sqrt(GuardedQuotient(LengthSquared(Cross(p - a, u)), LengthSquared(u)));
}

float DistancePointPlane(Vec3 p, const PlaneEquation& plane) {
    return GuardedQuotient(std::fabs(Dot(plane.n, p) + plane.d), Length(plane.n));
}

float AngleDegrees(float cosine) {
    // Rounding can push the cosine of (anti)parallel directions just past ±1.
    const float radians = std::acos(std::clamp(cosine, -1.0f, 1.0f));
    return static_cast<float>(radians * 180.0f / kPi);
}

float AngleAtVertex(Vec3 a, Vec3 b, Vec3 c) {
    return AngleDegrees(CosineBetween(a - b, c - b));
}

float HeronArea(float a, float b, float c) {
    const float s = (a + b + c) / 2.0f;
    // A flat triangle can round to a slightly negative product.
    return std::sqrt(std::max(0.0f, s * (s - a) * (s - b) * (s - c)));
}

AreaAndPerimeter FanArea(std::span<const Vec3> vertices) {
    if (vertices.size() < 3) {
        return {};
    }
    const Vec3 v0 = vertices[0];
    float a = Length(vertices[1] - v0);
    AreaAndPerimeter result{0.0f, a};
    for (size_t i = 1; i + 1 < vertices.size(); ++i) {
        const float b = Length(vertices[i + 1] - v0);
        const float e = Length(vertices[i + 1] - vertices[i]);
        result.area += HeronArea(a, b, e);
        result.perimeter += e;
        a = b;
    }
    result.perimeter += Length(vertices.back() - v0);
    return result;
}

float TetraVolume(Vec3 a, Vec3 b, Vec3 c, Vec3 d) {
    return std::fabs(Dot(b - a, Cross(c - a, d - a))) / 6.0f;
}

}  // namespace velnor
