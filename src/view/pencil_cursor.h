#pragma once

#include <QCursor>

namespace velnor {

// The cursor of the pencil tool: a pencil drawn slanting up to the right, its tip at the hot spot
// in the lower-left corner.
QCursor PencilCursor();

}  // namespace velnor
