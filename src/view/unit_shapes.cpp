#include "view/unit_shapes.h"

#include <cmath>

#include "view/list_layout.h"

namespace velnor {

namespace {

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

}  // namespace

void BuildUnitShapes(GLuint base) {
    CompileArrowHead(base + lists::kArrowHead);
}

}  // namespace velnor
