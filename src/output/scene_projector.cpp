#include "output/scene_projector.h"

#include <array>

namespace velnor {

SceneProjector::SceneProjector(const QMatrix4x4& projection, const QMatrix4x4& modelView,
                               const QRectF& viewport)
    : m_projection(projection),
      m_modelView(modelView),
      m_combined(projection * modelView),
      m_viewport(viewport) {}

SceneProjector SceneProjector::Moved(const QMatrix4x4& transform) const {
    return SceneProjector(m_projection, m_modelView * transform, m_viewport);
}

SceneProjector SceneProjector::WithoutModelView() const {
    return SceneProjector(m_projection, QMatrix4x4(), m_viewport);
}

QPointF SceneProjector::FromDevice(double x, double y) const {
    return {m_viewport.left() + (x + 1.0) * 0.5 * m_viewport.width(),
            m_viewport.top() + (1.0 - y) * 0.5 * m_viewport.height()};
}

ScreenPoint SceneProjector::ToScreen(const QVector4D& clip) const {
    const double w = clip.w();
    return {FromDevice(clip.x() / w, clip.y() / w), clip.z() / w};
}

std::optional<ScreenPoint> SceneProjector::Project(const QVector3D& p) const {
    const QVector4D clip = m_combined * QVector4D(p, 1.0f);
    if (clip.w() <= 0.0f) {
        return std::nullopt;
    }
    return ToScreen(clip);
}

bool SceneProjector::InsideVolume(const QVector3D& p) const {
    const QVector4D c = m_combined * QVector4D(p, 1.0f);
    const float w = c.w();
    return w > 0.0f && -w <= c.x() && c.x() <= w && -w <= c.y() && c.y() <= w && -w <= c.z() &&
           c.z() <= w;
}

std::optional<std::pair<ScreenPoint, ScreenPoint>> SceneProjector::ClipSegment(
    const QVector4D& a, const QVector4D& b) const {
    const QVector4D ca = m_combined * a, cb = m_combined * b;
    // The six planes of the volume, -w <= x, y, z <= w, as distances that are >= 0 inside.
    const auto inside = [](const QVector4D& c) {
        return std::array<double, 6>{c.w() + c.x(), c.w() - c.x(), c.w() + c.y(),
                                     c.w() - c.y(), c.w() + c.z(), c.w() - c.z()};
    };
    const auto da = inside(ca), db = inside(cb);
    double t0 = 0.0, t1 = 1.0;
    for (size_t i = 0; i < da.size(); ++i) {
        if (da[i] < 0.0 && db[i] < 0.0) {
            return std::nullopt;
        }
        if (da[i] < 0.0) {
            t0 = std::max(t0, da[i] / (da[i] - db[i]));
        } else if (db[i] < 0.0) {
            t1 = std::min(t1, da[i] / (da[i] - db[i]));
        }
    }
    if (t0 >= t1) {
        return std::nullopt;
    }
    const auto at = [&](double t) { return ca + static_cast<float>(t) * (cb - ca); };
    const QVector4D pa = at(t0), pb = at(t1);
    if (pa.w() <= 0.0f || pb.w() <= 0.0f) {
        return std::nullopt;
    }
    return std::make_pair(ToScreen(pa), ToScreen(pb));
}

QVector3D SceneProjector::EyeDirection() const {
    const QVector4D origin = m_combined * QVector4D(0, 0, 0, 1);
    const float x = origin.x() / origin.w(), y = origin.y() / origin.w();
    const QMatrix4x4 inverse = m_combined.inverted();
    const QVector4D nearPoint = inverse * QVector4D(x, y, -1, 1);
    const QVector4D farPoint = inverse * QVector4D(x, y, 1, 1);
    return nearPoint.toVector3DAffine() - farPoint.toVector3DAffine();
}

}  // namespace velnor
