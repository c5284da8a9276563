#include "view/level_of_detail.h"

#include <GL/gl.h>

#include <QVector4D>

#include <algorithm>
#include <array>
#include <limits>

namespace velnor {

float PixelsPerUnit(const QMatrix4x4& modelView, const QMatrix4x4& projection, int width,
                    int height) {
    const QVector4D origin = projection * modelView * QVector4D(0, 0, 0, 1);
    if (origin.w() <= 0.0f) {
        return std::numeric_limits<float>::infinity();
    }
    float longestAxis = 0.0f;
    for (int axis = 0; axis < 3; ++axis) {
        longestAxis = std::max(longestAxis, modelView.column(axis).toVector3D().length());
    }
    // The projection's scale on the screen's two axes, from device units to pixels.
    const float across = std::max(std::abs(projection(0, 0)) * static_cast<float>(width),
                                  std::abs(projection(1, 1)) * static_cast<float>(height)) /
                         2.0f;
    return longestAxis * across / origin.w();
}

float PixelsPerUnitNow() {
    std::array<GLfloat, 16> modelView{}, projection{};
    std::array<GLint, 4> viewport{};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    // OpenGL's matrices come column by column; QMatrix4x4 reads rows.
    return PixelsPerUnit(QMatrix4x4(modelView.data()).transposed(),
                         QMatrix4x4(projection.data()).transposed(), viewport[2], viewport[3]);
}

bool CompilingList() {
    GLint list = 0;
    glGetIntegerv(GL_LIST_INDEX, &list);
    return list != 0;
}

}  // namespace velnor
