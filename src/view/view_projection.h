#pragma once

#include <QMatrix4x4>
#include <QPointF>

#include "model/subassembly.h"
#include "view/pick_pass.h"

namespace velnor {

struct FrameLayout;
struct ViewCamera;

// Where points show in the view, without a GL context: the projection of the whole view mapped
// onto `viewport` (as the frame and the pick pass draw), window pixels with y downwards.
class ViewProjection {
public:
    ViewProjection(const ViewCamera& camera, const FrameLayout& layout, const Viewport& viewport);

    // An eye-space point: after the camera, before the projection.
    QPointF EyeToWindow(const QVector3D& eye) const;
    // A point of the scene, under the camera's pan, distance, zoom and rotations.
    QPointF SceneToWindow(const Float3& point) const;
    // The eye-space point at depth `eyeZ` that shows at `pixel`.
    QVector3D WindowToEye(QPointF pixel, float eyeZ) const;
    const ViewCamera& Camera() const { return m_camera; }
    // The viewport in window pixels, y downwards.
    QRectF Area() const;

private:
    const ViewCamera& m_camera;
    QMatrix4x4 m_projection;
    QMatrix4x4 m_modelView;
    Viewport m_viewport;
    int m_windowHeight;
};

}  // namespace velnor
