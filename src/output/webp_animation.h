#pragma once

#include <QImage>
#include <QString>

#include <span>

class QIODevice;

namespace velnor {

// Writes frames of one size (QImage::Format_RGB32) as a lossless animated WebP that loops, each
// shown for `frameMilliseconds`. Returns an empty string, or why the file could not be made.
QString WriteWebpAnimation(std::span<const QImage> frames, int frameMilliseconds,
                           QIODevice& device);

}  // namespace velnor
