#pragma once

#include <optional>
#include <string>

namespace velnor {

// Qt's X11 platform aborts the program when it finds no display to connect to. Asked before the
// application object exists, this says why in one line instead; nothing when a display answers
// or when another platform (Wayland, offscreen) is chosen, which Qt then handles itself.
std::optional<std::string> MissingDisplay();

}  // namespace velnor
