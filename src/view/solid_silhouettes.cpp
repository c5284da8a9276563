#include "view/solid_silhouettes.h"

#include <GL/glu.h>

#include <cmath>

#include "shapes/silhouettes.h"

namespace velnor {

namespace {

constexpr double kPanelAngle = 0.31415927;

// A silhouette line: dashed where something lies in front of it, then solid where it is seen.
void TwiceDrawnLines(const double (*ends)[3], int lineCount) {
    for (int pass = 0; pass < 2; ++pass) {
        glDepthFunc(pass == 0 ? GL_GEQUAL : GL_LEQUAL);
        if (pass == 0) {
            glEnable(GL_LINE_STIPPLE);
        } else {
            glDisable(GL_LINE_STIPPLE);
        }
        glBegin(GL_LINES);
        for (int i = 0; i < 2 * lineCount; ++i) {
            glVertex3dv(ends[i]);
        }
        glEnd();
    }
}

}  // namespace

std::array<double, 3> EyeDirection() {
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
    return {nx - fx, ny - fy, nz - fz};
}

void DrawCylinderSilhouette(const std::array<double, 3>& d) {
    double l = d[0], m = d[1];
    const double n = std::hypot(l, m);
    if (n > 0.0) {
        l /= n;
        m /= n;
    }
    const double ends[4][3] = {{m, -l, 0}, {m, -l, 1}, {-m, l, 0}, {-m, l, 1}};
    TwiceDrawnLines(ends, 2);
}

void DrawConeSilhouette(const std::array<double, 3>& d) {
    Point2 t[2];
    if (TangentPoints(d[0], d[1], d[2], t) == 0) {
        return;
    }
    const double ends[4][3] = {{t[0].x, t[0].y, 0}, {0, 0, 1}, {t[1].x, t[1].y, 0}, {0, 0, 1}};
    TwiceDrawnLines(ends, 2);
}

void DrawFrustumSilhouette(const std::array<double, 3>& d, double r) {
    Point2 t[2];
    if (TangentPoints(d[0], d[1], d[2] * (1.0 - r), t) == 0) {
        return;
    }
    const double ends[4][3] = {{t[0].x, t[0].y, 0},
                               {r * t[0].x, r * t[0].y, 1},
                               {t[1].x, t[1].y, 0},
                               {r * t[1].x, r * t[1].y, 1}};
    TwiceDrawnLines(ends, 2);
}

void DrawSphereSilhouette(const std::array<double, 3>& d, GLuint dashedCircle) {
    const double l = d[0], m = d[1], o = d[2];
    double length = std::sqrt(l * l + m * m + o * o);
    if (length == 0.0) {
        length = 1.570795;
    }
    glPushMatrix();
    if (l != 0.0 || m != 0.0) {
        glRotated(std::acos(o / length) * 180.0 / 3.14159265359, -m, l, 0.0);
    }
    glCallList(dashedCircle);
    glPopMatrix();
}

void DrawFrustumWire(double r) {
    glBegin(GL_LINES);
    for (int k = 0; k < 20; ++k) {
        const double a0 = k * kPanelAngle, a1 = (k + 1) * kPanelAngle;
        const double c0 = std::cos(a0), s0 = std::sin(a0), c1 = std::cos(a1), s1 = std::sin(a1);
        glVertex3d(c0, s0, 0);
        glVertex3d(c1, s1, 0);
        glVertex3d(r * c0, r * s0, 1);
        glVertex3d(r * c1, r * s1, 1);
        glVertex3d(c0, s0, 0);
        glVertex3d(r * c0, r * s0, 1);
    }
    glEnd();
}

void DrawFrustumBody(double r) {
    glBegin(GL_QUADS);
    for (int k = 0; k < 20; ++k) {
        const double a0 = k * kPanelAngle, a1 = (k + 1) * kPanelAngle;
        const double c0 = std::cos(a0), s0 = std::sin(a0), c1 = std::cos(a1), s1 = std::sin(a1);
        glVertex3d(c0, s0, 0);
        glVertex3d(c1, s1, 0);
        glVertex3d(r * c1, r * s1, 1);
        glVertex3d(r * c0, r * s0, 1);
    }
    glEnd();
    for (const double z : {0.0, 1.0}) {
        const double radius = z == 0.0 ? 1.0 : r;
        glBegin(GL_TRIANGLE_FAN);
        glVertex3d(0, 0, z);
        for (int k = 0; k <= 20; ++k) {
            glVertex3d(radius * std::cos(k * kPanelAngle), radius * std::sin(k * kPanelAngle), z);
        }
        glEnd();
    }
}

}  // namespace velnor
