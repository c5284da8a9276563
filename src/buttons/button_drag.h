#pragma once

#include "model/page.h"

namespace velnor {

// Dragging selected buttons in the view: each moves by the mouse movement, keeping the standard
// size of 80 by 25, and its window follows. Not an edit: nothing is recorded or marked modified.
void MoveSelectedButtons(CGpage& page, int dx, int dy);

}  // namespace velnor
