#include "output/animation_files.h"

#include <QFileInfo>
#include <QIODevice>

#include "output/gif_animation.h"
#include "output/save_through.h"
#include "output/webp_animation.h"

namespace velnor {

namespace {

bool IsGifPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("gif"), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool IsAnimationPath(const QString& path) {
    return IsGifPath(path) ||
           QFileInfo(path).suffix().compare(QStringLiteral("webp"), Qt::CaseInsensitive) == 0;
}

QString WriteAnimationFile(const QString& path, std::span<const QImage> frames,
                           int frameMilliseconds) {
    if (frames.empty()) {
        return QStringLiteral("没有可写入的帧");
    }
    QString encoderError;
    const QString error = SaveThrough(path, [&](QIODevice& device) {
        if (IsGifPath(path)) {
            const GifFailure failure = WriteGifAnimation(frames, frameMilliseconds, device);
            encoderError = QString::fromStdString(failure.text);
            return failure.code == 0;
        }
        encoderError = WriteWebpAnimation(frames, frameMilliseconds, device);
        return encoderError.isEmpty();
    });
    return encoderError.isEmpty() ? error : encoderError;
}

}  // namespace velnor
