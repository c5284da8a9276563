#pragma once

#include <GL/gl.h>

namespace velnor {

// The GLUT shapes that solids draw, each compiled once into a list of its own block: GLUT builds
// their vertices anew on every call otherwise.
enum class GlutShape : int {
    kSolidTetrahedron,
    kSolidOctahedron,
    kSolidDodecahedron,
    kSolidIcosahedron,
    kSolidTorus,
    kSolidTeapot,
    kSolidSphere,  // radius 1, 16 x 16: the body behind a sphere outline
    kWireTetrahedron,
    kWireOctahedron,
    kWireDodecahedron,
    kWireIcosahedron,
    kWireTorus,
    kWireSphere,     // radius 1, 24 x 24
    kWireCube,       // side 1
    kWireTeapot,     // size 1
    kOutlineSphere,  // radius 1.001
    kOutlineCone,    // radius and height 1.001
    kOutlineCube,    // side 2
    kOutlineTeapot,  // size 1.001
    kCount,
};

// Compiles every shape into the lists base .. base + kCount - 1.
void BuildGlutShapes(GLuint base);

}  // namespace velnor
