#include "shapes/silhouettes.h"

#include <cmath>

#include "shapes/flat_shapes.h"
#include "shapes/turn.h"

namespace velnor {

namespace {

constexpr double kTiny = 1e-9;

Vec3 At(const Point2& p, double scale, double z) {
    return {static_cast<float>(scale * p.x), static_cast<float>(scale * p.y),
            static_cast<float>(z)};
}

}  // namespace

int TangentPoints(double l, double m, double o, Point2 (&t)[2]) {
    if (std::fabs(o) < kTiny) {
        const double n = std::hypot(l, m);
        if (n < kTiny) {
            return 0;
        }
        t[0] = {m / n, -l / n};
        t[1] = {-m / n, l / n};
        return 2;
    }
    const double v = -l / o, w = -m / o;
    const double p = v * v + w * w;
    if (p <= 1.0) {
        return 0;
    }
    const double a = std::sqrt(p - 1.0);
    t[0] = {(a * w + v) / p, (w - a * v) / p};
    t[1] = {(v - a * w) / p, (w + a * v) / p};
    return 2;
}

std::vector<MeshLine> CylinderSilhouette(const Vec3& eye) {
    const double n = std::hypot(eye.x, eye.y);
    const Point2 p = n > 0.0 ? Point2{eye.y / n, -eye.x / n} : Point2{eye.y, -eye.x};
    return {{At(p, 1.0, 0.0), At(p, 1.0, 1.0)}, {At(p, -1.0, 0.0), At(p, -1.0, 1.0)}};
}

std::vector<MeshLine> SideSilhouette(const Vec3& eye, double top) {
    Point2 t[2];
    if (TangentPoints(eye.x, eye.y, eye.z * (1.0 - top), t) == 0) {
        return {};
    }
    return {{At(t[0], 1.0, 0.0), At(t[0], top, 1.0)}, {At(t[1], 1.0, 0.0), At(t[1], top, 1.0)}};
}

std::vector<MeshLine> SphereSilhouette(const Vec3& eye) {
    MeshLine circle = StepCircle();
    const double length = Length(eye);
    if (length > 0.0 && (eye.x != 0.0f || eye.y != 0.0f)) {
        const Vec3 across{-eye.y, eye.x, 0.0f};
        const double angle = std::acos(eye.z / length);
        for (Vec3& p : circle) {
            p = Turned(p, across / Length(across), angle);
        }
    }
    return {std::move(circle)};
}

}  // namespace velnor
