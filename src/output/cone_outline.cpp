#include "output/cone_outline.h"

#include <QMatrix4x4>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "output/scene_projector.h"

namespace velnor {

namespace {

// Turns +z onto d, as the arrow head of a vector is turned.
QMatrix4x4 TurnZOnto(const QVector3D& d) {
    QMatrix4x4 turn;
    if (d.x() != 0.0f || d.y() != 0.0f) {
        turn.rotate(std::acos(d.z() / d.length()) * 180.0f / std::numbers::pi_v<float>, -d.y(),
                    d.x(), 0.0f);
    } else if (d.z() < 0.0f) {
        turn.rotate(180.0f, 0.0f, 1.0f, 0.0f);
    }
    return turn;
}

// The convex outline of the points (a cone seen from anywhere is the hull of its apex and rim).
QPolygonF ConvexHull(std::vector<QPointF> points) {
    std::sort(points.begin(), points.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    const auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> hull(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) {
            --k;
        }
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) {
            --k;
        }
        hull[k++] = points[i];
    }
    hull.resize(k > 1 ? k - 1 : k);
    return QPolygonF(QList<QPointF>(hull.begin(), hull.end()));
}

}  // namespace

std::optional<QPolygonF> ConeOutline(const SceneProjector& projector, const QVector3D& apex,
                                     const QVector3D& direction, float radius) {
    if (direction.length() == 0.0f) {
        return std::nullopt;
    }
    QMatrix4x4 place;
    place.translate(apex);
    const SceneProjector cone = projector.Moved(place * TurnZOnto(direction));
    std::vector<QVector3D> corners{QVector3D(0, 0, 0)};
    for (int k = 0; k < 8; ++k) {
        const double a = k * std::numbers::pi / 4.0;
        corners.emplace_back(radius * static_cast<float>(std::cos(a)),
                             radius * static_cast<float>(std::sin(a)), -1.0f);
    }
    std::vector<QPointF> points;
    for (const QVector3D& p : corners) {
        const auto s = cone.Project(p);
        if (!s) {
            return std::nullopt;
        }
        points.push_back(s->at);
    }
    return ConvexHull(std::move(points));
}

}  // namespace velnor
