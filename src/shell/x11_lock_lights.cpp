#include "shell/x11_lock_lights.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace velnor {

namespace {

// As the X keyboard extension names the lights.
constexpr std::array<const char*, 3> kLightNames{"Caps Lock", "Num Lock", "Scroll Lock"};

bool LightOn(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    return atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) &&
           on;
}

}  // namespace

std::optional<std::array<bool, 3>> ReadLockLights() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->display() == nullptr) {
        return std::nullopt;
    }
    std::array<bool, 3> lights{};
    for (size_t i = 0; i < lights.size(); ++i) {
        lights[i] = LightOn(x11->display(), kLightNames[i]);
    }
    return lights;
}

}  // namespace velnor
