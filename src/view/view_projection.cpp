#include "view/view_projection.h"

#include <QRectF>

#include "model/view_camera.h"
#include "view/frame_renderer.h"
#include "view/projection.h"

namespace velnor {

namespace {

QMatrix4x4 FromColumnMajor(const std::array<double, 16>& m) {
    QMatrix4x4 matrix;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            matrix(row, column) = static_cast<float>(m[static_cast<size_t>(column * 4 + row)]);
        }
    }
    return matrix;
}

}  // namespace

ViewProjection::ViewProjection(const ViewCamera& camera, const FrameLayout& layout,
                               const Viewport& viewport)
    : m_camera(camera), m_viewport(viewport), m_windowHeight(layout.height) {
    const float aspect = layout.height > 0
                             ? static_cast<float>(layout.width) / static_cast<float>(layout.height)
                             : 1.0f;
    m_projection = FromColumnMajor(ProjectionMatrix(layout.projection, aspect));
    m_modelView.translate(camera.m_fPanX, camera.m_fPanY, camera.m_fDistance);
    m_modelView.scale(camera.m_fZoom);
    m_modelView.rotate(camera.m_fAngleX, 1.0f, 0.0f, 0.0f);
    m_modelView.rotate(camera.m_fAngleAxis, camera.m_vAxis[0], camera.m_vAxis[1],
                       camera.m_vAxis[2]);
}

QPointF ViewProjection::EyeToWindow(const QVector3D& eye) const {
    const QVector3D ndc = m_projection.map(eye);
    const double x = m_viewport[0] + (ndc.x() + 1.0) / 2.0 * m_viewport[2];
    const double glY = m_viewport[1] + (ndc.y() + 1.0) / 2.0 * m_viewport[3];
    return {x, m_windowHeight - glY};
}

QPointF ViewProjection::SceneToWindow(const Float3& point) const {
    return EyeToWindow(m_modelView.map(QVector3D(point[0], point[1], point[2])));
}

QVector3D ViewProjection::WindowToEye(QPointF pixel, float eyeZ) const {
    // Every projection of the view keeps x and y apart: clip x = m00 x + m02 z + m03, w = m32 z +
    // m33, and the same for y, so each solves on its own.
    const double ndcX = (pixel.x() - m_viewport[0]) / m_viewport[2] * 2.0 - 1.0;
    const double ndcY = (m_windowHeight - pixel.y() - m_viewport[1]) / m_viewport[3] * 2.0 - 1.0;
    const QMatrix4x4& p = m_projection;
    const double w = p(3, 2) * eyeZ + p(3, 3);
    const double x = (ndcX * w - p(0, 2) * eyeZ - p(0, 3)) / p(0, 0);
    const double y = (ndcY * w - p(1, 2) * eyeZ - p(1, 3)) / p(1, 1);
    return {static_cast<float>(x), static_cast<float>(y), eyeZ};
}

QRectF ViewProjection::Area() const {
    return {static_cast<double>(m_viewport[0]),
            static_cast<double>(m_windowHeight - m_viewport[1] - m_viewport[3]),
            static_cast<double>(m_viewport[2]), static_cast<double>(m_viewport[3])};
}

}  // namespace velnor
