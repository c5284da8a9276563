#pragma once

#include <QString>

#include "view/qt_colour.h"

namespace velnor {

// A button that shows a colour is filled with it.
inline QString SwatchStyle(Rgb c) {
    return QStringLiteral("background-color: %1;").arg(ToQColor(c).name());
}

}  // namespace velnor
