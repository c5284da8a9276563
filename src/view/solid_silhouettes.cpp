#include "view/solid_silhouettes.h"

#include <GL/glu.h>

namespace velnor {

Vec3 EyeDirection() {
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(0, 0, 0, model, projection, viewport, &wx, &wy, &wz);
    GLdouble nx = 0, ny = 0, nz = 0, fx = 0, fy = 0, fz = 0;
    gluUnProject(wx, wy, 0.0, model, projection, viewport, &nx, &ny, &nz);
    gluUnProject(wx, wy, 1.0, model, projection, viewport, &fx, &fy, &fz);
    return {static_cast<float>(nx - fx), static_cast<float>(ny - fy), static_cast<float>(nz - fz)};
}

}  // namespace velnor
