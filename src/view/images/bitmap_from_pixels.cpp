#include "view/images/bitmap_from_pixels.h"

#include "model/bit_text.h"

namespace velnor {

std::vector<uint8_t> BitmapFromPixels(const PixelBuffer& pixels) {
    const int rowBytes = CBitText::BytesPerRow(pixels.width);
    std::vector<uint8_t> bits(static_cast<size_t>(rowBytes) * pixels.height, 0);
    for (int y = 0; y < pixels.height; ++y) {
        uint8_t* row = &bits[static_cast<size_t>(y) * rowBytes];
        for (int x = 0; x < pixels.width; ++x) {
            const uint8_t* p = pixels.Pixel(x, y);
            if ((p[0] + p[1] + p[2]) / 3 < kBitmapThreshold) {
                row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return bits;
}

}  // namespace velnor
