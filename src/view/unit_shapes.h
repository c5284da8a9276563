#pragma once

#include <GL/gl.h>

namespace velnor {

// Compiles the unit shapes of the list block (cube, circles, disk, cylinders, sphere, cone,
// square, arrow head, ball-and-stick model and the axes). The label glyphs must exist already,
// since the axes are lettered with them.
void BuildUnitShapes(GLuint base);

// The ball-and-stick truncated icosahedron into list `name`; sticks use the cylinder side at
// `cylinderSide`.
void BuildBallAndStick(GLuint name, GLuint cylinderSide);

// The axes, the three framing squares and the grid into list `name`, lettered with the label
// glyphs of the block at `base`.
void BuildAxes(GLuint name, GLuint base);

}  // namespace velnor
