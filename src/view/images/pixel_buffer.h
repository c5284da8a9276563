#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace velnor {

// An image in the layout glDrawPixels, gluScaleImage and gluBuild2DMipmaps take as they are:
// 3 bytes per pixel in R, G, B order, rows from the bottom of the picture upwards, each row padded
// to a multiple of 4 bytes.
struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bytes;

    static int RowSize(int width) { return (width * 3 + 3) / 4 * 4; }
    // A zero-filled buffer of that size.
    static PixelBuffer Blank(int width, int height);
    bool Empty() const { return bytes.empty(); }
    const uint8_t* Pixel(int x, int y) const { return &bytes[y * RowSize(width) + x * 3]; }
};

// Any QImage (palette, grey, with or without alpha) in the buffer layout. An empty buffer when the
// conversion runs out of memory.
PixelBuffer PixelsFromImage(const QImage& image);

}  // namespace velnor
