#pragma once

#include <QMatrix4x4>
#include <QPointF>
#include <QRectF>
#include <QVector3D>
#include <QVector4D>

#include <optional>
#include <utility>

namespace velnor {

// A point of the scene as it lands on the drawing: where, and its depth (-1 near .. 1 far), the
// depth OpenGL would compare.
struct ScreenPoint {
    QPointF at;
    double depth = 0.0;
};

// The projection and model-view of one viewport, in drawing units (y downwards), as the OpenGL
// view would load them. A solid or an arrow head moves the model frame with Moved().
class SceneProjector {
public:
    SceneProjector(const QMatrix4x4& projection, const QMatrix4x4& modelView,
                   const QRectF& viewport);

    SceneProjector Moved(const QMatrix4x4& transform) const;
    // The projection alone, as for what ignores the turning of the scene (bitmap texts).
    SceneProjector WithoutModelView() const;
    const QMatrix4x4& ModelView() const { return m_modelView; }
    const QRectF& Viewport() const { return m_viewport; }

    // Nothing for a point at or behind the eye.
    std::optional<ScreenPoint> Project(const QVector3D& p) const;
    // Whether the point lies inside the view volume, where OpenGL would start a bitmap there.
    bool InsideVolume(const QVector3D& p) const;
    // The part of the segment between two homogeneous points (w = 0: a point at infinity) that
    // lies in the view volume; nothing when none does.
    std::optional<std::pair<ScreenPoint, ScreenPoint>> ClipSegment(const QVector4D& a,
                                                                   const QVector4D& b) const;
    // The direction towards the eye in the model frame, through the point its origin is seen at.
    QVector3D EyeDirection() const;
    // The viewport point of a device coordinate (-1..1 both ways, y upwards).
    QPointF FromDevice(double x, double y) const;

private:
    ScreenPoint ToScreen(const QVector4D& clip) const;

    QMatrix4x4 m_projection;
    QMatrix4x4 m_modelView;
    QMatrix4x4 m_combined;
    QRectF m_viewport;
};

}  // namespace velnor
