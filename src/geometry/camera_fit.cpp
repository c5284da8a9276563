#include "geometry/camera_fit.h"

#include <algorithm>
#include <cmath>

#include "geometry/tolerances.h"
#include "geometry/vec3d.h"

namespace velnor {

namespace {

// Every projection of the view shows about 12 units above and below the middle at the camera's
// usual distance; the points are fitted into most of that, leaving a margin for labels and the
// nearer parts that the central projection draws larger.
constexpr double kViewHalfHeight = 12.0;
constexpr double kFilledShare = 0.8;
constexpr double kLeastZoom = 0.1;
constexpr double kMostZoom = 10.0;

// The right-handed turn by `degrees` about the unit `axis`.
Vec3d Turned(Vec3d v, Vec3d axis, double degrees) {
    const double radians = degrees * kPi / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    return c * v + s * Cross(axis, v) + (1.0 - c) * Dot(axis, v) * axis;
}

// A point as the camera's turns leave it, before zoom and pan.
Vec3d CameraTurn(const ViewCamera& camera, Vec3 point) {
    const Vec3d axis = Unit(Vec3d{camera.m_vAxis[0], camera.m_vAxis[1], camera.m_vAxis[2]});
    const Vec3d spun = Turned(ToVec3d(point), axis, camera.m_fAngleAxis);
    return Turned(spun, {1.0, 0.0, 0.0}, camera.m_fAngleX);
}

}  // namespace

ViewCamera CameraShowing(ViewCamera camera, const std::vector<Vec3>& points) {
    if (points.empty()) {
        return camera;
    }
    double left = 1e300, right = -1e300, bottom = 1e300, top = -1e300;
    for (const Vec3& p : points) {
        const Vec3d eye = CameraTurn(camera, p);
        left = std::min(left, eye.x);
        right = std::max(right, eye.x);
        bottom = std::min(bottom, eye.y);
        top = std::max(top, eye.y);
    }
    const double halfSize = std::max(right - left, top - bottom) / 2.0;
    const double zoom = halfSize > 0.0 ? std::clamp(kFilledShare * kViewHalfHeight / halfSize,
                                                    kLeastZoom, kMostZoom)
                                       : camera.m_fZoom;
    camera.m_fZoom = static_cast<float>(zoom);
    camera.m_fPanX = static_cast<float>(-zoom * (left + right) / 2.0);
    camera.m_fPanY = static_cast<float>(-zoom * (bottom + top) / 2.0);
    return camera;
}

}  // namespace velnor
