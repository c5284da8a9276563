#pragma once

#include <QRect>

#include <cstdint>
#include <span>

namespace velnor {

// The smallest rectangle holding every pixel where two frames of palette indices, `width` pixels a
// row, differ; an empty rectangle when they are equal. A frame of an animation need only carry
// that rectangle.
QRect ChangedRect(std::span<const uint8_t> before, std::span<const uint8_t> after, int width);

}  // namespace velnor
