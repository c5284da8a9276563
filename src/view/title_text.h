#pragma once

#include <GL/gl.h>

namespace velnor {

class CGlModel;

// Compiles the 3D title of the settings into the title list of the block at `base`: at most 13
// characters of the first title string and 9 of the second, their letters extruded.
// Needs a current context and a running QGuiApplication.
void BuildTitle(GLuint base, const CGlModel& settings);

}  // namespace velnor
