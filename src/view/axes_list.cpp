#include <GL/freeglut.h>

#include "view/unit_shapes.h"

namespace velnor {

namespace {

void Square(int fixedAxis) {
    constexpr float kCorners[4][2] = {{-10, 10}, {-10, -10}, {10, -10}, {10, 10}};
    glBegin(GL_LINE_LOOP);
    for (const auto& c : kCorners) {
        switch (fixedAxis) {
            case 2:
                glVertex3f(c[0], c[1], 0);
                break;
            case 1:
                glVertex3f(c[0], 0, c[1]);
                break;
            default:
                glVertex3f(0, c[0], c[1]);
                break;
        }
    }
    glEnd();
}

void Grid() {
    glBegin(GL_LINES);
    for (int i = -10; i <= 10; ++i) {
        glVertex3f(-10, static_cast<float>(i), 0);
        glVertex3f(10, static_cast<float>(i), 0);
        glVertex3f(static_cast<float>(i), -10, 0);
        glVertex3f(static_cast<float>(i), 10, 0);
    }
    glEnd();
}

void Letter(GLuint base, char letter, float x, float y, float z) {
    glRasterPos3f(x, y, z);
    glCallList(base + static_cast<GLuint>(letter));
}

// One axis from -10 to 10 along `axis` (0 x, 1 y, 2 z), with its cone and letter at the far end.
void Axis(GLuint base, int axis, const GLfloat (&color)[3], char letter) {
    GLfloat from[3] = {0, 0, 0}, to[3] = {0, 0, 0}, label[3] = {0, 0, 0};
    from[axis] = -10;
    to[axis] = 10;
    label[axis] = 10.2f;
    glColor3fv(color);
    glBegin(GL_LINES);
    glVertex3fv(from);
    glVertex3fv(to);
    glEnd();
    glPushMatrix();
    if (axis == 0) {
        glRotatef(90, 0, 1, 0);
    } else if (axis == 1) {
        glRotatef(-90, 1, 0, 0);
    }
    glTranslatef(0, 0, 9);
    glutSolidCone(0.2, 1, 8, 1);
    glPopMatrix();
    Letter(base, letter, label[0], label[1], label[2]);
}

}  // namespace

void BuildAxes(GLuint name, GLuint base) {
    constexpr GLfloat kRed[3] = {1, 0, 0}, kGreen[3] = {0, 1, 0}, kBlue[3] = {0, 0, 1};
    glNewList(name, GL_COMPILE);
    glPushAttrib(GL_LINE_BIT);
    glLineWidth(1.5f);
    glColor3f(0.5f, 0.5f, 0.5f);
    Square(2);
    Square(1);
    Square(0);
    Grid();
    glPopAttrib();
    glColor3f(1, 1, 1);
    Letter(base, 'O', -0.5f, -0.5f, -0.5f);
    Axis(base, 0, kRed, 'X');
    Axis(base, 1, kGreen, 'Y');
    Axis(base, 2, kBlue, 'Z');
    glEndList();
}

}  // namespace velnor
