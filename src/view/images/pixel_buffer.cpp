#include "view/images/pixel_buffer.h"

#include <cstring>

namespace velnor {

PixelBuffer PixelBuffer::Blank(int width, int height) {
    PixelBuffer pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.bytes.assign(static_cast<size_t>(RowSize(width)) * height, 0);
    return pixels;
}

PixelBuffer PixelsFromImage(const QImage& image) {
    // Converting in memory keeps palette and grey images apart from the user's files.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        return {};
    }
    PixelBuffer pixels = PixelBuffer::Blank(rgb.width(), rgb.height());
    const size_t rowBytes = static_cast<size_t>(rgb.width()) * 3;
    const int rowSize = PixelBuffer::RowSize(rgb.width());
    for (int y = 0; y < rgb.height(); ++y) {
        std::memcpy(&pixels.bytes[static_cast<size_t>(rgb.height() - 1 - y) * rowSize],
                    rgb.constScanLine(y), rowBytes);
    }
    return pixels;
}

}  // namespace velnor
