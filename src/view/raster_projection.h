#pragma once

#include <QMatrix4x4>
#include <QVector3D>
#include <QVector4D>

#include <optional>

namespace velnor {

// Where glRasterPos would put a point: x, y in pixels of the viewport, z the window depth.
struct RasterPoint {
    float x, y, z;
};

// The raster positions of points under one model-view, projection and viewport, worked out here
// so that many labels can be sent to OpenGL at once: a point outside the view volume, or on the
// wrong side of the clip plane, has none, as glRasterPos makes the position invalid there.
class RasterProjection {
public:
    // `clipPlane` is in eye coordinates, as glGetClipPlane gives it.
    RasterProjection(const QMatrix4x4& modelView, const QMatrix4x4& projection, int width,
                     int height, std::optional<QVector4D> clipPlane = {});

    // Under the current OpenGL matrices, viewport and clip plane 0.
    static RasterProjection Current();

    std::optional<RasterPoint> Position(const QVector3D& point) const;

private:
    QMatrix4x4 m_modelView;
    QMatrix4x4 m_projection;
    float m_fWidth, m_fHeight;
    std::optional<QVector4D> m_clipPlane;
};

}  // namespace velnor
