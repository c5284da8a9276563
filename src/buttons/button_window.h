#pragma once

#include "model/button_cells.h"

namespace velnor {

// Creates the button's push-button window (invisible at first) with its caption, "复位" appended
// in state 1, at its rectangle under its key, then shows it unless the button is hidden.
void CreateButtonWindow(const CBtCmd& button);

}  // namespace velnor
