#pragma once

#include <QImage>

#include <string>

class QIODevice;
struct GifFileType;

namespace velnor {

struct GifFailure {
    int code = 0;  // 0: written
    std::string text;
};

// A giflib encoder writing to `device`; nullptr with giflib's error code in `error`. Close it with
// EGifCloseFile.
GifFileType* OpenGifOnDevice(QIODevice& device, int& error);

// Why giflib failed, from its error code.
GifFailure GifFailureOf(int code);

// Writes `image` as a GIF of at most 256 colours (median-cut palette) to `device`. Qt reads GIF but
// does not write it.
GifFailure WriteGif(const QImage& image, QIODevice& device);

}  // namespace velnor
