#pragma once

namespace velnor {

// The windows carry out the commands the table marks as view or shell commands, and take over
// from a document command that reports CommandOutcome::kViewTakesOver (entering a mouse tool).
// Without an implementation installed (scripts, tests) those commands do nothing.
class IWindowCommands {
public:
    virtual ~IWindowCommands() = default;
    virtual void Run(int commandId) = 0;
    virtual bool IsEnabled(int commandId) const = 0;
    virtual bool IsChecked(int commandId) const = 0;
};

// Installs the implementation; nullptr removes it. Returns the previous one.
IWindowCommands* SetWindowCommands(IWindowCommands* commands);

// The installed implementation, or null.
IWindowCommands* WindowCommands();

}  // namespace velnor
