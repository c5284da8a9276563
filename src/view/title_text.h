#pragma once

#include <GL/gl.h>

namespace velnor {

class CGlModel;

// Compiles the 3D title of the settings into the list block at `base`: one extruded outline
// glyph per character of each title string (at most 13 of the first, 9 of the second; more
// would run into the next lists), and the title list that places both lines.
// Needs a current context and a running QGuiApplication.
void BuildTitle(GLuint base, const CGlModel& settings);

}  // namespace velnor
