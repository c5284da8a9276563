#include "geometry/classify.h"

#include <algorithm>
#include <cmath>

#include "geometry/tolerances.h"

namespace velnor {

bool AnyComponentExceedsOnOff(Vec3 v) {
    return Exceeds(v.x, kEpsOnOff) || Exceeds(v.y, kEpsOnOff) || Exceeds(v.z, kEpsOnOff);
}

float LinePlaneCosine(Vec3 n, Vec3 u) {
    const float s = Dot(n, u);
    const float ratio = GuardedQuotient(s * s, LengthSquared(n) * LengthSquared(u));
    return std::clamp(std::sqrt(std::max(0.0f, 1.0f - ratio)), -1.0f, 1.0f);
}

LinesVerdict ClassifyLines(Vec3 a, Vec3 b, Vec3 c, Vec3 d) {
    const Vec3 u = b - a;
    const Vec3 v = d - c;
    const Vec3 w = c - a;
    const Vec3 uv = Cross(u, v);
    const float cosine = std::fabs(CosineBetween(u, v));

    const float t = Dot(u, Cross(v, w));
    if (Exceeds(t, kEpsCoplanar)) {
        return {LinesRelation::kSkew, GuardedQuotient(std::fabs(t), Length(uv)),
                AngleDegrees(cosine), cosine};
    }
    if (AnyComponentExceedsOnOff(uv)) {
        return {LinesRelation::kIntersecting, 0.0f, AngleDegrees(cosine), cosine};
    }
    if (!AnyComponentExceedsOnOff(Cross(w, v))) {
        return {LinesRelation::kCoincident, 0.0f, 0.0f, 1.0f};
    }
    return {LinesRelation::kParallel, GuardedQuotient(Length(Cross(u, w)), Length(u)), 0.0f, 1.0f};
}

LinePlaneVerdict ClassifyLinePlane(Vec3 a, Vec3 b, const PlaneEquation& plane) {
    const Vec3 u = b - a;
    if (Exceeds(Dot(plane.n, u), kEpsOnOff)) {
        const float cosine = LinePlaneCosine(plane.n, u);
        return {LinePlaneRelation::kMeets, AngleDegrees(cosine), cosine, 0.0f};
    }
    // The verdict looks at the unnormalised residual, not at the distance.
    const float r = Dot(plane.n, a) + plane.d;
    if (Exceeds(r, kEpsOnOff)) {
        return {LinePlaneRelation::kParallel, 0.0f, 1.0f,
                GuardedQuotient(std::fabs(r), Length(plane.n))};
    }
    return {LinePlaneRelation::kInPlane, 0.0f, 1.0f, 0.0f};
}

PlanesVerdict ClassifyPlanes(const PlaneEquation& first, const PlaneEquation& second, Vec3 q) {
    const Vec3 n = first.n;
    const Vec3 m = second.n;
    if (AnyComponentExceedsOnOff(Cross(n, m))) {
        const float cosine = std::min(std::fabs(CosineBetween(n, m)), 1.0f);
        return {PlanesRelation::kIntersecting, AngleDegrees(cosine), cosine, 0.0f};
    }
    const float d = first.d;
    const float e = second.d;
    const bool coincide = !Exceeds(n.x * e - m.x * d, kEpsOnOff) &&
                          !Exceeds(n.y * e - m.y * d, kEpsOnOff) &&
                          !Exceeds(n.z * e - m.z * d, kEpsOnOff);
    if (coincide) {
        return {PlanesRelation::kCoincident, 0.0f, 1.0f, 0.0f};
    }
    return {PlanesRelation::kParallel, 0.0f, 1.0f, DistancePointPlane(q, first)};
}

}  // namespace velnor
