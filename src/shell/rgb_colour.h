#pragma once

#include <QColor>
#include <QString>

#include "model/color.h"

namespace velnor {

inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

inline Rgb ToRgb(const QColor& c) {
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
            static_cast<uint8_t>(c.blue())};
}

// A button that shows a colour is filled with it.
inline QString SwatchStyle(Rgb c) {
    return QStringLiteral("background-color: %1;").arg(ToQColor(c).name());
}

}  // namespace velnor
