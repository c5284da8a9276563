#pragma once

#include <cstdint>
#include <vector>

#include "view/images/pixel_buffer.h"

namespace velnor {

// Pixels darker than this (the mean of R, G and B) become set bits.
inline constexpr int kBitmapThreshold = 192;

// The image as a 1-bit bitmap in glBitmap's layout: rows bottom-up like the pixels, each padded to
// whole 32-bit words; the bit of pixel i is bit 7 - i % 8 of byte i / 8 and is set for dark pixels.
std::vector<uint8_t> BitmapFromPixels(const PixelBuffer& pixels);

}  // namespace velnor
