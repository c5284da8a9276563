#include "geometry/pencil_geometry.h"

#include <cmath>

namespace velnor {

namespace {

Point3d Minus(const Point3d& a, const Point3d& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

double Dot(const Point3d& a, const Point3d& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Point3d Cross(const Point3d& a, const Point3d& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

bool Between(double s, double low, double high) {
    return low < s && s < high;
}

}  // namespace

double SnapCoordinate(double value, bool wholeUnits) {
    return wholeUnits ? std::round(value) : std::round(value * 10.0) / 10.0;
}

std::optional<Point3d> CursorOnPlane(const MouseRay& ray, double z, bool wholeUnits) {
    const Point3d& n = ray.nearPoint;
    const Point3d& f = ray.farPoint;
    if (n[2] == f[2]) {
        return std::nullopt;
    }
    const double t = (z - n[2]) / (n[2] - f[2]);
    return Point3d{SnapCoordinate(n[0] + t * (n[0] - f[0]), wholeUnits),
                   SnapCoordinate(n[1] + t * (n[1] - f[1]), wholeUnits), z};
}

double HeightFromDrag(int downY, int y, int viewportHeight, double level, bool wholeUnits) {
    const double unitsPerPixel = 24.0 / viewportHeight;
    return SnapCoordinate((downY - y) * unitsPerPixel + level, wholeUnits);
}

double LineParameterNearRay(const Point3d& a, const Point3d& b, const MouseRay& ray) {
    const Point3d u = Minus(b, a);
    const Point3d v = Minus(ray.farPoint, ray.nearPoint);
    const Point3d m = Cross(v, Cross(u, v));  // normal of the plane through the ray along N
    double denominator = Dot(m, u);
    if (denominator == 0.0) {
        denominator = 0.0001;
    }
    return Dot(m, Minus(ray.nearPoint, a)) / denominator;
}

double SnapLineParameter(double s) {
    if (Between(s, 0.4, 0.6)) {
        return 0.5;
    }
    if (Between(s, 0.22, 0.28)) {
        return 0.25;
    }
    if (Between(s, 0.72, 0.78)) {
        return 0.75;
    }
    if (Between(s, 0.3, 0.37)) {
        return 1.0 / 3.0;
    }
    if (Between(s, 0.63, 0.7)) {
        return 2.0 / 3.0;
    }
    return s;
}

double TopRatio(const Point3d& top, const Point3d& cursor, const Point3d& base0,
                const Point3d& base1) {
    const double edge = std::sqrt(Dot(Minus(base1, base0), Minus(base1, base0)));
    const double reach = std::hypot(cursor[0] - top[0], cursor[1] - top[1]);
    const double r = edge > 0.0 ? reach / edge : 0.0;
    if (r < 0.1) {
        return 0.0;
    }
    if (Between(r, 0.9, 1.1)) {
        return 1.0;
    }
    return r;
}

Point3d TopVertex(const Point3d& v0, const Point3d& vi, const Point3d& top, double ratio) {
    Point3d p{};
    for (int k = 0; k < 3; ++k) {
        p[k] = v0[k] + ratio * (vi[k] - v0[k]) + (top[k] - v0[k]);
    }
    return p;
}

}  // namespace velnor
