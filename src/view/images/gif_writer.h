#pragma once

#include <QImage>

#include <functional>
#include <string>

class QIODevice;
struct GifFileType;

namespace velnor {

struct GifFailure {
    int code = 0;  // 0: written
    std::string text;
};

// Opens a giflib encoder on `device`, lets `put` write the screen and the images, and closes it;
// giflib's reason when a step failed.
GifFailure WriteGifWith(QIODevice& device, const std::function<bool(GifFileType*)>& put);

// Writes `image` as a GIF of at most 256 colours (median-cut palette) to `device`. Qt reads GIF but
// does not write it.
GifFailure WriteGif(const QImage& image, QIODevice& device);

}  // namespace velnor
