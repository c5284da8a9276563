#pragma once

#include <QPointF>

#include <optional>
#include <span>

#include "output/scene_projector.h"

namespace velnor {

// The z of the cross product of two vectors of the drawing.
inline double Cross(const QPointF& u, const QPointF& v) {
    return u.x() * v.y() - u.y() * v.x();
}

// The area of a polygon on the drawing, signed by the way its corners turn.
double SignedArea(std::span<const QPointF> corners);

// The depths of a flat polygon over the drawing: the depth at (px, py) is x * px + y * py + c.
struct DepthPlane {
    double x, y, c;

    double At(const QPointF& p) const { return x * p.x() + y * p.y() + c; }
};

// The plane through the projected corners, taken from the corner triangle of the largest area;
// nothing when the polygon is seen edge-on.
std::optional<DepthPlane> DepthPlaneOf(std::span<const ScreenPoint> corners);

}  // namespace velnor
