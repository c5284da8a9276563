#include "view/raster_projection.h"

#include <GL/gl.h>

#include <array>
#include <cmath>

namespace velnor {

namespace {

// OpenGL's matrices come column by column; QMatrix4x4 reads rows.
QMatrix4x4 CurrentMatrix(GLenum which) {
    std::array<GLfloat, 16> m{};
    glGetFloatv(which, m.data());
    return QMatrix4x4(m.data()).transposed();
}

}  // namespace

RasterProjection::RasterProjection(const QMatrix4x4& modelView, const QMatrix4x4& projection,
                                   int width, int height, std::optional<QVector4D> clipPlane)
    : m_modelView(modelView),
      m_projection(projection),
      m_fWidth(static_cast<float>(width)),
      m_fHeight(static_cast<float>(height)),
      m_clipPlane(clipPlane) {}

RasterProjection RasterProjection::Current() {
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    std::optional<QVector4D> plane;
    if (glIsEnabled(GL_CLIP_PLANE0)) {
        std::array<GLdouble, 4> p{};
        glGetClipPlane(GL_CLIP_PLANE0, p.data());
        plane = QVector4D(static_cast<float>(p[0]), static_cast<float>(p[1]),
                          static_cast<float>(p[2]), static_cast<float>(p[3]));
    }
    return {CurrentMatrix(GL_MODELVIEW_MATRIX), CurrentMatrix(GL_PROJECTION_MATRIX), viewport[2],
            viewport[3], plane};
}

std::optional<RasterPoint> RasterProjection::Position(const QVector3D& point) const {
    const QVector4D eye = m_modelView * QVector4D(point, 1.0f);
    if (m_clipPlane && QVector4D::dotProduct(*m_clipPlane, eye) < 0.0f) {
        return std::nullopt;
    }
    const QVector4D clip = m_projection * eye;
    const float w = clip.w();
    if (w <= 0.0f || std::abs(clip.x()) > w || std::abs(clip.y()) > w || std::abs(clip.z()) > w) {
        return std::nullopt;
    }
    return RasterPoint{(clip.x() / w + 1.0f) * m_fWidth / 2.0f,
                       (clip.y() / w + 1.0f) * m_fHeight / 2.0f, (clip.z() / w + 1.0f) / 2.0f};
}

}  // namespace velnor
