#include "shell/display_check.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <string_view>

namespace velnor {

namespace {

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

std::optional<std::string> MissingDisplay() {
    const std::string_view platform = Environment("QT_QPA_PLATFORM");
    const bool xcb =
        platform.starts_with("xcb") || (platform.empty() && Environment("WAYLAND_DISPLAY").empty());
    if (!xcb) {
        return std::nullopt;
    }
    const std::string_view name = Environment("DISPLAY");
    if (name.empty()) {
        return "no display to open the window on (DISPLAY is not set)";
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return "cannot connect to the display " + std::string(name);
    }
    XCloseDisplay(display);
    return std::nullopt;
}

}  // namespace velnor
