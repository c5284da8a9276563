#include "output/webp_animation.h"

#include <QIODevice>

#include <webp/encode.h>
#include <webp/mux.h>

#include <memory>

namespace velnor {

namespace {

// The fastest lossless effort: frames of a figure are mostly flat colour, which compresses well
// at any effort, and a teacher waits for the file.
constexpr int kLosslessLevel = 0;

struct EncoderDeleter {
    void operator()(WebPAnimEncoder* encoder) const { WebPAnimEncoderDelete(encoder); }
};
using Encoder = std::unique_ptr<WebPAnimEncoder, EncoderDeleter>;

// Adds one frame at `timestamp` milliseconds; false when the encoder refuses it.
bool AddFrame(WebPAnimEncoder* encoder, const QImage& frame, int timestamp,
              const WebPConfig& config) {
    WebPPicture picture;
    if (!WebPPictureInit(&picture)) {
        return false;
    }
    picture.use_argb = 1;
    picture.width = frame.width();
    picture.height = frame.height();
    // RGB32 lies in memory as B, G, R, X on the little-endian machines we build for.
    const bool added = WebPPictureImportBGRX(&picture, frame.constBits(),
                                             static_cast<int>(frame.bytesPerLine())) &&
                       WebPAnimEncoderAdd(encoder, &picture, timestamp, &config);
    WebPPictureFree(&picture);
    return added;
}

}  // namespace

QString WriteWebpAnimation(std::span<const QImage> frames, int frameMilliseconds,
                           QIODevice& device) {
    WebPAnimEncoderOptions options;
    WebPConfig config;
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config) ||
        !WebPConfigLosslessPreset(&config, kLosslessLevel)) {
        return QStringLiteral("WebP 编码库版本不符");
    }
    // Every frame after the first as the change from the one before: no key frames to try.
    options.kmax = 0;
    const Encoder encoder(
        WebPAnimEncoderNew(frames.front().width(), frames.front().height(), &options));
    if (!encoder) {
        return QStringLiteral("WebP 编码失败：内存不足");
    }
    int timestamp = 0;
    for (const QImage& frame : frames) {
        if (!AddFrame(encoder.get(), frame, timestamp, config)) {
            return QStringLiteral("WebP 编码失败：%1")
                .arg(QString::fromUtf8(WebPAnimEncoderGetError(encoder.get())));
        }
        timestamp += frameMilliseconds;
    }
    WebPData data;
    WebPDataInit(&data);
    // The closing timestamp gives the last frame its duration.
    const bool assembled = WebPAnimEncoderAdd(encoder.get(), nullptr, timestamp, nullptr) &&
                           WebPAnimEncoderAssemble(encoder.get(), &data);
    const bool written =
        assembled && device.write(reinterpret_cast<const char*>(data.bytes),
                                  static_cast<qint64>(data.size)) == static_cast<qint64>(data.size);
    WebPDataClear(&data);
    if (!assembled) {
        return QStringLiteral("WebP 编码失败：%1")
            .arg(QString::fromUtf8(WebPAnimEncoderGetError(encoder.get())));
    }
    return written ? QString() : device.errorString();
}

}  // namespace velnor
