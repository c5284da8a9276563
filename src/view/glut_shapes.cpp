#include "view/glut_shapes.h"

#include <GL/freeglut.h>

namespace velnor {

namespace {

void DrawShape(GlutShape shape) {
    switch (shape) {
        case GlutShape::kSolidTetrahedron:
            glutSolidTetrahedron();
            break;
        case GlutShape::kSolidOctahedron:
            glutSolidOctahedron();
            break;
        case GlutShape::kSolidDodecahedron:
            glutSolidDodecahedron();
            break;
        case GlutShape::kSolidIcosahedron:
            glutSolidIcosahedron();
            break;
        case GlutShape::kSolidTorus:
            glutSolidTorus(0.2, 1.0, 10, 24);
            break;
        case GlutShape::kSolidTeapot:
            glutSolidTeapot(1.0);
            break;
        case GlutShape::kSolidSphere:
            glutSolidSphere(1.0, 16, 16);
            break;
        case GlutShape::kWireTetrahedron:
            glutWireTetrahedron();
            break;
        case GlutShape::kWireOctahedron:
            glutWireOctahedron();
            break;
        case GlutShape::kWireDodecahedron:
            glutWireDodecahedron();
            break;
        case GlutShape::kWireIcosahedron:
            glutWireIcosahedron();
            break;
        case GlutShape::kWireTorus:
            glutWireTorus(0.2, 1.0, 10, 24);
            break;
        case GlutShape::kWireSphere:
            glutWireSphere(1.0, 24, 24);
            break;
        case GlutShape::kWireCube:
            glutWireCube(1.0);
            break;
        case GlutShape::kWireTeapot:
            glutWireTeapot(1.0);
            break;
        case GlutShape::kOutlineSphere:
            glutWireSphere(1.001, 24, 24);
            break;
        case GlutShape::kOutlineCone:
            glutWireCone(1.001, 1.001, 20, 20);
            break;
        case GlutShape::kOutlineCube:
            glutWireCube(2.0);
            break;
        case GlutShape::kOutlineTeapot:
            glutWireTeapot(1.001);
            break;
        case GlutShape::kCount:
            break;
    }
}

}  // namespace

void BuildGlutShapes(GLuint base) {
    for (int i = 0; i < static_cast<int>(GlutShape::kCount); ++i) {
        glNewList(base + i, GL_COMPILE);
        DrawShape(static_cast<GlutShape>(i));
        glEndList();
    }
    // GLUT switches the vertex array off after drawing.
    glEnableClientState(GL_VERTEX_ARRAY);
}

}  // namespace velnor
