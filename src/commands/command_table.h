#pragma once

#include <string_view>
#include <vector>

#include "commands/command_entry.h"

namespace velnor {

// Every menu command, in menu order: the one place a command is wired. The menus, toolbars,
// accelerators and status-bar prompts are built from it, and scripts run its operations.
const std::vector<CommandEntry>& CommandTable();

// By id, or null.
const CommandEntry* FindCommand(int id);
// By id written in digits, or by menu text; a text may leave out the "..." that ends it
// ("定义旋转角"). Texts shared by two items ("平移", "旋转", "复位") find the first in menu order.
const CommandEntry* FindCommand(std::string_view idOrText);

}  // namespace velnor
