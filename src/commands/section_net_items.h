#pragma once

#include "commands/command_entry.h"

namespace velnor {

// "截面" and "展开图" of the Create menu.
CommandEntry CrossSectionItem();
CommandEntry PolyhedronNetItem();

}  // namespace velnor
