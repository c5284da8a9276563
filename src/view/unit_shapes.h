#pragma once

#include <GL/gl.h>

namespace velnor {

// Compiles the unit shapes of the list block drawn without GLUT: cube, circles, disk, cylinders,
// sphere, cone, square and arrow head.
void BuildUnitShapes(GLuint base);

// The ball-and-stick truncated icosahedron into list `name`; sticks use the cylinder side at
// `cylinderSide`. Needs GLUT.
void BuildBallAndStick(GLuint name, GLuint cylinderSide);

// The axes, the three framing squares and the grid into list `name`, lettered with the label
// glyphs of the block at `base`. Needs GLUT.
void BuildAxes(GLuint name, GLuint base);

}  // namespace velnor
