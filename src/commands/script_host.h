#pragma once

#include <cstdint>

#include "commands/command_entry.h"

namespace velnor {

// Where the steps of a script that reach past the document go: menu commands and the action
// buttons. velnor-cli carries them out in the core (ConsoleScriptHost); the window carries them
// out as its menus, its buttons and its timer do.
class IScriptHost {
public:
    virtual ~IScriptHost() = default;
    // A menu command with the values its line gave; none given means what choosing the item does.
    virtual void RunCommand(const CommandEntry& entry, const CommandParams& params) = 0;
    // Presses the action button `key` of the current page; false when the page has none.
    virtual bool PressButton(uint16_t key) = 0;
    // `count` ticks of the view's timer.
    virtual void Tick(int count) = 0;
};

}  // namespace velnor
