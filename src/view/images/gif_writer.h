#pragma once

#include <QImage>

#include <string>

class QIODevice;

namespace velnor {

struct GifFailure {
    int code = 0;  // 0: written
    std::string text;
};

// Writes `image` as a GIF of at most 256 colours (median-cut palette) to `device`. Qt reads GIF but
// does not write it.
GifFailure WriteGif(const QImage& image, QIODevice& device);

}  // namespace velnor
