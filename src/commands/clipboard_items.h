#pragma once

#include "commands/command_entry.h"

namespace velnor {

// 剪切, 复制 and 粘贴 of pages and cells. While the view selects a screen region, or when the
// clipboard holds a picture, the view copies or pastes the picture instead, before these run.
CommandEntry CutItem();
CommandEntry CopyItem();
CommandEntry PasteItem();

}  // namespace velnor
