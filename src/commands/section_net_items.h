#pragma once

#include "commands/command_entry.h"

namespace velnor {

// "截面", "截面动画" and "展开图" of the Create menu.
CommandEntry CrossSectionItem();
CommandEntry SectionAnimationItem();
CommandEntry PolyhedronNetItem();

}  // namespace velnor
