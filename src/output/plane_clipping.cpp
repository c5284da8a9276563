#include "output/plane_clipping.h"

#include <algorithm>

namespace velnor {

namespace {

double Distance(const QVector4D& p, const ClipPlane& plane) {
    return plane[0] * p.x() + plane[1] * p.y() + plane[2] * p.z() + plane[3] * p.w();
}

}  // namespace

bool IsOnKeptSide(const QVector3D& p, const ClipPlane& plane) {
    return Distance(QVector4D(p, 1.0f), plane) >= 0.0;
}

bool IsOnKeptSides(const QVector3D& p, std::span<const ClipPlane> planes) {
    return std::all_of(planes.begin(), planes.end(),
                       [&](const ClipPlane& plane) { return IsOnKeptSide(p, plane); });
}

ClipPlane PlaneInFrame(const ClipPlane& plane, const QMatrix4x4& toPlaneFrame) {
    const QVector4D turned = toPlaneFrame.transposed().map(
        QVector4D(static_cast<float>(plane[0]), static_cast<float>(plane[1]),
                  static_cast<float>(plane[2]), static_cast<float>(plane[3])));
    return {turned.x(), turned.y(), turned.z(), turned.w()};
}

bool ClipSegmentToPlane(QVector4D& a, QVector4D& b, const ClipPlane& plane) {
    const double da = Distance(a, plane), db = Distance(b, plane);
    if (da < 0.0 && db < 0.0) {
        return false;
    }
    const auto cut = [&] { return a + static_cast<float>(da / (da - db)) * (b - a); };
    if (da < 0.0) {
        a = cut();
    } else if (db < 0.0) {
        b = cut();
    }
    return true;
}

std::vector<QVector3D> ClipPolygonToPlane(const std::vector<QVector3D>& polygon,
                                          const ClipPlane& plane) {
    std::vector<QVector3D> kept;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const QVector3D& p = polygon[i];
        const QVector3D& q = polygon[(i + 1) % polygon.size()];
        const double dp = Distance(QVector4D(p, 1.0f), plane);
        const double dq = Distance(QVector4D(q, 1.0f), plane);
        if (dp >= 0.0) {
            kept.push_back(p);
        }
        if ((dp < 0.0) != (dq < 0.0)) {
            kept.push_back(p + static_cast<float>(dp / (dp - dq)) * (q - p));
        }
    }
    return kept;
}

}  // namespace velnor
