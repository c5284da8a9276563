#pragma once

#include <cstdint>
#include <memory>

#include "model/button_cells.h"
#include "model/page.h"

namespace velnor {

// A button of that kind with its defaults, not yet on any page.
std::unique_ptr<CBtCmd> MakeButton(ButtonKind kind);

// Creates a button of that kind on the page from the current selection: it takes the next button
// key and that key's rectangle, its targets (or members) from the selection lists, its vector or
// axis and angle from the page's transformation definitions, and gets its window. Returns the key.
uint16_t CreateButton(CGpage& page, ButtonKind kind);

}  // namespace velnor
