#pragma once

#include <QImage>
#include <QString>

#include <optional>

#include "view/images/pixel_buffer.h"

namespace velnor {

// The filter of 打开图象: every image file the program reads.
inline constexpr const char* kOpenImageFilter =
    "所有图象文件 (*.bmp *.dib *.rle *.jpg *.jpeg *.jpe *.jfif *.gif *.tif *.tiff *.png)";

// Reads BMP, DIB, RLE, JPEG, GIF, TIFF or PNG into the buffer layout, converting palette and grey
// images in memory. On failure shows "装入图象失败..." (or "内存不够!") and returns nothing.
std::optional<PixelBuffer> LoadImageFile(const QString& path);

// The same without a message, for the start-up textures: a missing file is skipped quietly.
std::optional<PixelBuffer> ReadImageFileQuietly(const QString& path);

// Writes `image` in the format its extension names (bmp, jpg, gif, png); the old file stays until
// the new one is complete. On failure shows "Save image failed..." and returns false.
bool SaveImageFile(const QImage& image, const QString& path);

}  // namespace velnor
