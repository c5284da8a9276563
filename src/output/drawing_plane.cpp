#include "output/drawing_plane.h"

#include <cmath>

namespace velnor {

double SignedArea(std::span<const QPointF> corners) {
    double area = 0.0;
    for (size_t i = 0; i < corners.size(); ++i) {
        area += Cross(corners[i], corners[(i + 1) % corners.size()]);
    }
    return area / 2.0;
}

std::optional<DepthPlane> DepthPlaneOf(std::span<const ScreenPoint> corners) {
    if (corners.size() < 3) {
        return std::nullopt;
    }
    const ScreenPoint& p0 = corners[0];
    size_t best = 1;
    double bestCross = 0.0;
    for (size_t i = 1; i + 1 < corners.size(); ++i) {
        const double c = Cross(corners[i].at - p0.at, corners[i + 1].at - p0.at);
        if (std::fabs(c) > std::fabs(bestCross)) {
            bestCross = c;
            best = i;
        }
    }
    if (std::fabs(bestCross) < 1e-6) {
        return std::nullopt;
    }
    const ScreenPoint& p1 = corners[best];
    const ScreenPoint& p2 = corners[best + 1];
    const QPointF u = p1.at - p0.at, v = p2.at - p0.at;
    const double du = p1.depth - p0.depth, dv = p2.depth - p0.depth;
    DepthPlane plane{(du * v.y() - dv * u.y()) / bestCross, (dv * u.x() - du * v.x()) / bestCross,
                     0.0};
    plane.c = p0.depth - plane.x * p0.at.x() - plane.y * p0.at.y();
    return plane;
}

}  // namespace velnor
