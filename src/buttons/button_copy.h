#pragma once

#include <memory>

#include "model/button_cells.h"

namespace velnor {

// A copy of the button with every field, of its own class.
std::unique_ptr<CBtCmd> CopyButton(const CBtCmd& button);

}  // namespace velnor
