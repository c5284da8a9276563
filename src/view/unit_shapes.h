#pragma once

#include <GL/gl.h>

namespace velnor {

// Compiles the arrow head of vectors into the list block at `base`. The solids' shapes come from
// the shape module (GlScene::KindList).
void BuildUnitShapes(GLuint base);

// The axes, the three framing squares and the grid into list `name`, lettered with the label
// glyphs of the block at `base`. Needs GLUT.
void BuildAxes(GLuint name, GLuint base);

}  // namespace velnor
