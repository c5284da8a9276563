#pragma once

#include <QSurfaceFormat>

namespace velnor {

// The surface format the figure is drawn in: a compatibility-profile context (the fixed-function
// pipeline), double-buffered, with a depth buffer.
QSurfaceFormat CompatibilityFormat();

// Makes CompatibilityFormat() the default of every context and window; call before the
// application object is created.
void UseCompatibilityFormat();

// GLUT's shapes need GLUT initialised once per process; later calls do nothing.
void InitGlutOnce();

}  // namespace velnor
