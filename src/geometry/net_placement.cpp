#include "geometry/net_placement.h"

#include <algorithm>
#include <vector>

namespace velnor {

namespace {

constexpr double kGapShare = 0.4;

struct Extent {
    double low = 1e300;
    double high = -1e300;
};

Extent ExtentAlong(const std::vector<Vec3>& points, Vec3d direction) {
    Extent extent;
    for (const Vec3& p : points) {
        const double along = Dot(ToVec3d(p), direction);
        extent.low = std::min(extent.low, along);
        extent.high = std::max(extent.high, along);
    }
    return extent;
}

// The x axis laid into the plane; the y axis when the plane stands across x.
Vec3d RightInPlane(Vec3d normal) {
    const Vec3d n = Unit(normal);
    const Vec3d x{1.0, 0.0, 0.0};
    const Vec3d right = x - Dot(x, n) * n;
    if (Length(right) > 0.1) {
        return Unit(right);
    }
    const Vec3d y{0.0, 1.0, 0.0};
    return Unit(y - Dot(y, n) * n);
}

}  // namespace

Vec3d NetShiftBesideSolid(const Polyhedron& solid, const PolyhedronNet& net, Vec3d normal) {
    const Vec3d right = RightInPlane(normal);
    const Vec3d across = Unit(Cross(normal, right));
    const Extent footprint = ExtentAlong(solid.corners, right);
    const Extent depth = ExtentAlong(solid.corners, across);
    const double gap = kGapShare * std::max(footprint.high - footprint.low, depth.high - depth.low);
    const Extent laid = ExtentAlong(net.vertices, right);
    return (footprint.high + gap - laid.low) * right;
}

}  // namespace velnor
