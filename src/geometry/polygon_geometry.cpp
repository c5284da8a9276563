#include "geometry/polygon_geometry.h"

#include <algorithm>
#include <cmath>

namespace velnor {

namespace {

double DistanceToSegment(Vec3d p, Vec3d a, Vec3d b) {
    const Vec3d ab = b - a;
    const double lengthSquared = Dot(ab, ab);
    const double t =
        lengthSquared == 0.0 ? 0.0 : std::clamp(Dot(p - a, ab) / lengthSquared, 0.0, 1.0);
    return Length(p - (a + t * ab));
}

// The two coordinates left when the normal's largest component is dropped.
struct Flat {
    double u = 0.0;
    double v = 0.0;
};

Flat Flatten(Vec3d p, Vec3d normal) {
    const double ax = std::fabs(normal.x), ay = std::fabs(normal.y), az = std::fabs(normal.z);
    if (az >= ax && az >= ay) {
        return {p.x, p.y};
    }
    return ax >= ay ? Flat{p.y, p.z} : Flat{p.z, p.x};
}

}  // namespace

Vec3d NewellNormal(std::span<const Vec3> corners) {
    Vec3d normal;
    for (size_t i = 0; i < corners.size(); ++i) {
        const Vec3d a = ToVec3d(corners[i]);
        const Vec3d b = ToVec3d(corners[(i + 1) % corners.size()]);
        normal.x += (a.y - b.y) * (a.z + b.z);
        normal.y += (a.z - b.z) * (a.x + b.x);
        normal.z += (a.x - b.x) * (a.y + b.y);
    }
    return normal;
}

bool PolygonContains(std::span<const Vec3> corners, Vec3d normal, Vec3 point, double tolerance) {
    const Vec3d p = ToVec3d(point);
    const size_t count = corners.size();
    for (size_t i = 0; i < count; ++i) {
        const Vec3d a = ToVec3d(corners[i]), b = ToVec3d(corners[(i + 1) % count]);
        if (DistanceToSegment(p, a, b) <= tolerance) {
            return true;
        }
    }
    // Crossing number in the projection that keeps the polygon's area largest.
    const Flat q = Flatten(p, normal);
    bool inside = false;
    for (size_t i = 0; i < count; ++i) {
        const Flat a = Flatten(ToVec3d(corners[i]), normal);
        const Flat b = Flatten(ToVec3d(corners[(i + 1) % count]), normal);
        if ((a.v > q.v) != (b.v > q.v) && q.u < a.u + (q.v - a.v) * (b.u - a.u) / (b.v - a.v)) {
            inside = !inside;
        }
    }
    return inside;
}

}  // namespace velnor
