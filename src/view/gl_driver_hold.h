#pragma once

namespace velnor {

// Keeps the OpenGL driver that the current context loaded in memory until the process ends.
// The driver is unloaded when the application closes its display; the leak check of a sanitized
// build runs after that and would take whatever the driver's own globals still held for lost, in
// a library the report can no longer name. Held, the driver is checked as every other library is.
// Call with a context current.
void KeepGlDriverLoaded();

}  // namespace velnor
