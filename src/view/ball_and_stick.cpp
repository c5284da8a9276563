#include <GL/freeglut.h>

#include <array>
#include <cmath>
#include <vector>

#include "view/unit_shapes.h"

namespace velnor {

namespace {

using Point = std::array<double, 3>;

constexpr double kA = 0.525731112;
constexpr double kB = 0.850650808;
constexpr double kStickLength = 0.35048741;  // a third of the icosahedron's edge

const std::array<Point, 12> kIcosahedron{{{-kA, 0, kB},
                                          {kA, 0, kB},
                                          {-kA, 0, -kB},
                                          {kA, 0, -kB},
                                          {0, kB, kA},
                                          {0, kB, -kA},
                                          {0, -kB, kA},
                                          {0, -kB, -kA},
                                          {kB, kA, 0},
                                          {-kB, kA, 0},
                                          {kB, -kA, 0},
                                          {-kB, -kA, 0}}};

// The twenty triangles of the icosahedron above.
constexpr int kTriangles[20][3] = {{0, 4, 1},  {0, 9, 4},  {9, 5, 4},  {4, 5, 8},  {4, 8, 1},
                                   {8, 10, 1}, {8, 3, 10}, {5, 3, 8},  {5, 2, 3},  {2, 7, 3},
                                   {7, 10, 3}, {7, 6, 10}, {7, 11, 6}, {11, 0, 6}, {0, 1, 6},
                                   {6, 1, 10}, {9, 0, 11}, {9, 11, 2}, {9, 2, 5},  {7, 2, 11}};

// The atom on the edge from a to b, a third of the way from a.
Point NearAtom(const Point& a, const Point& b) {
    return {a[0] + (b[0] - a[0]) / 3, a[1] + (b[1] - a[1]) / 3, a[2] + (b[2] - a[2]) / 3};
}

void Stick(const Point& from, const Point& to, GLuint cylinderSide) {
    const double dx = to[0] - from[0], dy = to[1] - from[1], dz = to[2] - from[2];
    glPushMatrix();
    glTranslated((from[0] + to[0]) / 2, (from[1] + to[1]) / 2, (from[2] + to[2]) / 2);
    if (dx != 0.0 || dy != 0.0) {
        const double c = std::fmax(-1.0, std::fmin(1.0, dz / kStickLength));
        glRotated(std::acos(c) * 180.0 / 3.14159265359, -dy, dx, 0.0);
    }
    glScaled(0.015, 0.015, 0.35);
    glCallList(cylinderSide);
    glPopMatrix();
}

void Atom(const Point& p) {
    glPushMatrix();
    glTranslated(p[0], p[1], p[2]);
    glutSolidSphere(0.06, 16, 16);
    glPopMatrix();
}

void SetMaterial(const GLfloat (&ambient)[4], const GLfloat (&diffuse)[4], GLfloat shininess) {
    constexpr GLfloat kSpecular[4] = {0.6f, 0.6f, 0.6f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kSpecular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
}

}  // namespace

void BuildBallAndStick(GLuint name, GLuint cylinderSide) {
    glNewList(name, GL_COMPILE);
    glPushAttrib(GL_LIGHTING_BIT);
    SetMaterial({0.2f, 0.2f, 0.2f, 1.0f}, {0.7f, 0.7f, 0.7f, 1.0f}, 30.0f);
    for (const auto& t : kTriangles) {
        for (int corner = 0; corner < 3; ++corner) {
            const Point& v = kIcosahedron[t[corner]];
            const Point& next = kIcosahedron[t[(corner + 1) % 3]];
            const Point& prev = kIcosahedron[t[(corner + 2) % 3]];
            Stick(NearAtom(v, next), NearAtom(v, prev), cylinderSide);
        }
    }
    std::vector<Point> atoms;
    for (int i = 0; i < 12; ++i) {
        for (int j = i + 1; j < 12; ++j) {
            const Point& a = kIcosahedron[i];
            const Point& b = kIcosahedron[j];
            const double d = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
            if (std::fabs(d - 3 * kStickLength) < 0.01) {
                Stick(NearAtom(a, b), NearAtom(b, a), cylinderSide);
                atoms.push_back(NearAtom(a, b));
                atoms.push_back(NearAtom(b, a));
            }
        }
    }
    SetMaterial({0.25f, 0.05f, 0.05f, 1.0f}, {0.9f, 0.15f, 0.1f, 1.0f}, 60.0f);
    for (const Point& atom : atoms) {
        Atom(atom);
    }
    glPopAttrib();
    glEndList();
}

}  // namespace velnor
