#pragma once

#include <QImage>

#include <span>

#include "view/images/gif_writer.h"

class QIODevice;

namespace velnor {

// Writes frames of one size (QImage::Format_RGB32) as a GIF that loops, each shown for
// `frameMilliseconds`. All frames share one palette; every frame after the first carries only the
// rectangle that changed, with the pixels in it that did not change left transparent; a frame
// equal to the one before lengthens that one.
GifFailure WriteGifAnimation(std::span<const QImage> frames, int frameMilliseconds,
                             QIODevice& device);

}  // namespace velnor
