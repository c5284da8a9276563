#include "view/unit_shapes.h"

#include <GL/glu.h>

#include <cmath>

#include "view/list_layout.h"

namespace velnor {

namespace {

struct CubeFace {
    GLfloat color[3];
    GLfloat normal[3];
    GLfloat corners[4][3];
};

// Faces of the cube from -1 to 1, each with its colour, outward normal and corners
// counter-clockwise as seen from outside.
constexpr CubeFace kCubeFaces[6] = {
    {{1, 0, 1}, {0, 0, 1}, {{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}},
    {{1, 0, 0}, {0, 0, -1}, {{-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, -1}}},
    {{0, 0, 1}, {0, 1, 0}, {{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}}},
    {{0, 1, 1}, {0, -1, 0}, {{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}}},
    {{1, 1, 0}, {1, 0, 0}, {{1, -1, -1}, {1, 1, -1}, {1, 1, 1}, {1, -1, 1}}},
    {{0, 1, 0}, {-1, 0, 0}, {{-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}}},
};

constexpr GLfloat kCorners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

void CompileCube(GLuint name) {
    glNewList(name, GL_COMPILE);
    glBegin(GL_QUADS);
    for (const CubeFace& face : kCubeFaces) {
        glColor3fv(face.color);
        glNormal3fv(face.normal);
        for (int i = 0; i < 4; ++i) {
            glTexCoord2fv(kCorners[i]);
            glVertex3fv(face.corners[i]);
        }
    }
    glEnd();
    glEndList();
}

void CompileCircle(GLuint name) {
    glNewList(name, GL_COMPILE);
    glBegin(GL_LINE_LOOP);
    glVertex3f(1.0f, 0.0f, 0.0f);
    for (float t = 0.1f; t < 6.2831855f; t += 0.1f) {
        glVertex3f(std::cos(t), std::sin(t), 0.0f);
    }
    glEnd();
    glEndList();
}

// The part of the circle behind what is already drawn comes out dashed.
void CompileDashedCircle(GLuint name, GLuint circle) {
    glNewList(name, GL_COMPILE);
    glDepthFunc(GL_GREATER);
    glEnable(GL_LINE_STIPPLE);
    glCallList(circle);
    glDisable(GL_LINE_STIPPLE);
    glDepthFunc(GL_LEQUAL);
    glCallList(circle);
    glEndList();
}

void CompileCylinderSide(GLuint name) {
    glNewList(name, GL_COMPILE);
    glBegin(GL_QUAD_STRIP);
    for (float t = 0.0f; t < 6.5f; t += 0.2f) {
        const float c = std::cos(t), s = std::sin(t);
        glNormal3f(c, s, 0.0f);
        glVertex3f(c, s, -0.5f);
        glVertex3f(c, s, 0.5f);
    }
    glEnd();
    glEndList();
}

void CompileSquare(GLuint name) {
    glNewList(name, GL_COMPILE);
    glBegin(GL_QUADS);
    glColor3f(0.0f, 0.0f, 1.0f);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glTexCoord2f(0, 0);
    glVertex3f(-1, -1, 0);
    glTexCoord2f(1, 0);
    glVertex3f(1, -1, 0);
    glTexCoord2f(1, 1);
    glVertex3f(1, 1, 0);
    glTexCoord2f(0, 1);
    glVertex3f(-1, 1, 0);
    glEnd();
    glEndList();
}

// A cone of radius 0.15 whose apex is the origin and whose base lies at z = -1.
void CompileArrowHead(GLuint name) {
    glNewList(name, GL_COMPILE);
    glBegin(GL_TRIANGLE_FAN);
    glVertex3f(0.0f, 0.0f, 0.0f);
    for (int i = 0; i <= 8; ++i) {
        const double a = i * 3.14159265358979 / 4.0;
        glVertex3f(static_cast<GLfloat>(0.15 * std::cos(a)),
                   static_cast<GLfloat>(0.15 * std::sin(a)), -1.0f);
    }
    glEnd();
    glEndList();
}

void CompileQuadrics(GLuint base) {
    GLUquadric* q = gluNewQuadric();
    gluQuadricDrawStyle(q, GLU_FILL);
    gluQuadricNormals(q, GLU_SMOOTH);
    gluQuadricTexture(q, GL_TRUE);

    glNewList(base + lists::kDisk, GL_COMPILE);
    gluDisk(q, 0.0, 1.0, 24, 1);
    glEndList();
    glNewList(base + lists::kCylinder, GL_COMPILE);
    gluCylinder(q, 1.0, 1.0, 1.0, 24, 5);
    glEndList();
    glNewList(base + lists::kSphere, GL_COMPILE);
    gluSphere(q, 1.0, 24, 24);
    glEndList();
    glNewList(base + lists::kCone, GL_COMPILE);
    gluCylinder(q, 1.0, 0.0, 1.0, 24, 5);
    glEndList();

    gluQuadricDrawStyle(q, GLU_LINE);
    gluQuadricTexture(q, GL_FALSE);
    glNewList(base + lists::kCylinderWire, GL_COMPILE);
    gluCylinder(q, 1.0, 1.0, 1.0, 24, 5);
    glEndList();
    gluDeleteQuadric(q);
}

}  // namespace

void BuildUnitShapes(GLuint base) {
    CompileCube(base + lists::kCube);
    CompileCircle(base + lists::kCircle);
    CompileDashedCircle(base + lists::kDashedCircle, base + lists::kCircle);
    CompileCylinderSide(base + lists::kCylinderSide);
    CompileQuadrics(base);
    CompileSquare(base + lists::kSquare);
    CompileArrowHead(base + lists::kArrowHead);
}

}  // namespace velnor
