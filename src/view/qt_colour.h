#pragma once

#include <QColor>

#include "model/color.h"

namespace velnor {

inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

inline Rgb ToRgb(const QColor& c) {
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
            static_cast<uint8_t>(c.blue())};
}

}  // namespace velnor
