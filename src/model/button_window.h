#pragma once

#include "model/button_cells.h"

namespace velnor {

// Creates the push-button window of a button (caption, rectangle and key from the button) and,
// when `visible`, shows it unless the button is hidden.
void CreateButtonWindow(const CBtCmd& button, bool visible);
void DestroyButtonWindow(const CBtCmd& button);

}  // namespace velnor
