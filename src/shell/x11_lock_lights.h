#pragma once

#include <array>
#include <optional>

namespace velnor {

// The lights of Caps Lock, Num Lock and Scroll Lock, in that order, as the X server keeps them;
// nothing where the program does not run on X. Kept apart from Qt code: Xlib's macros (KeyPress,
// None, Bool) would clash with it.
std::optional<std::array<bool, 3>> ReadLockLights();

}  // namespace velnor
