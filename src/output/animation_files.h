#pragma once

#include <QImage>
#include <QString>

#include <span>

namespace velnor {

// Whether the path names an animation: .gif or .webp (either case).
bool IsAnimationPath(const QString& path);

// Writes the frames (at least one) as the animation the extension names, each shown for
// `frameMilliseconds`.
// The old file stays untouched until the new one is complete. Returns an empty string, or why
// the file could not be written.
QString WriteAnimationFile(const QString& path, std::span<const QImage> frames,
                           int frameMilliseconds);

}  // namespace velnor
