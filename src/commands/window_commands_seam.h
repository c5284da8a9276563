#pragma once

#include "commands/command_params.h"

namespace velnor {

// The windows carry out the commands the table marks as view or shell commands, and take over
// from a document command that reports CommandOutcome::kViewTakesOver (entering a mouse tool).
// Without an implementation installed (scripts, tests) those commands do nothing.
class IWindowCommands {
public:
    virtual ~IWindowCommands() = default;
    // `params` holds the values a script line gave (a command that takes `file` uses that file
    // instead of asking with its dialog); empty from the menus. A command that cannot do what the
    // values ask throws CommandError.
    virtual void Run(int commandId, const CommandParams& params) = 0;
    virtual bool IsEnabled(int commandId) const = 0;
    virtual bool IsChecked(int commandId) const = 0;
};

// Installs the implementation; nullptr removes it. Returns the previous one.
IWindowCommands* SetWindowCommands(IWindowCommands* commands);

// The installed implementation, or null.
IWindowCommands* WindowCommands();

}  // namespace velnor
