#include "commands/window_commands_seam.h"

#include <utility>

namespace velnor {

namespace {

IWindowCommands* g_windowCommands = nullptr;

}  // namespace

IWindowCommands* SetWindowCommands(IWindowCommands* commands) {
    return std::exchange(g_windowCommands, commands);
}

IWindowCommands* WindowCommands() {
    return g_windowCommands;
}

}  // namespace velnor
