#include "view/images/image_files.h"

#include <QBuffer>
#include <QFileDevice>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <cstdio>
#include <string>

#include "model/message_seam.h"
#include "view/images/file_bytes.h"
#include "view/images/gif_writer.h"

namespace velnor {

namespace {

std::string HexCodeAndText(int code, const QString& text) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%x", code);
    return std::string(hex) + " - " + text.toStdString();
}

struct ReadOutcome {
    std::optional<PixelBuffer> pixels;
    std::string failure;  // the message, when there are no pixels
};

ReadOutcome ReadImageFile(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        return {std::nullopt,
                "装入图象失败:\n" + HexCodeAndText(reader.error(), reader.errorString())};
    }
    PixelBuffer pixels = PixelsFromImage(image);
    if (pixels.Empty()) {
        return {std::nullopt, "内存不够!"};
    }
    return {std::move(pixels), {}};
}

}  // namespace

std::optional<PixelBuffer> LoadImageFile(const QString& path) {
    ReadOutcome outcome = ReadImageFile(path);
    if (!outcome.pixels) {
        ShowMessage(outcome.failure);
    }
    return std::move(outcome.pixels);
}

std::optional<PixelBuffer> ReadImageFileQuietly(const QString& path) {
    return ReadImageFile(path).pixels;
}

// The picture is encoded in memory and then saved as a document is, so that a failure leaves the
// old file whole and only a regular file is replaced.
bool SaveImageFile(const QImage& image, const QString& path) {
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString failure;
    int code = 0;
    if (format == "gif") {
        if (const GifFailure gif = WriteGif(image, buffer); gif.code != 0) {
            code = gif.code;
            failure = QString::fromStdString(gif.text);
        }
    } else {
        QImageWriter writer(&buffer, format == "jpg" ? QByteArray("jpeg") : format);
        if (!writer.write(image)) {
            code = writer.error();
            failure = writer.errorString();
        }
    }
    if (failure.isEmpty()) {
        failure = SaveFileBytes(path, buffer.data());
        code = failure.isEmpty() ? 0 : QFileDevice::WriteError;
    }
    if (!failure.isEmpty()) {
        ShowMessage("Save image failed:\n" + HexCodeAndText(code, failure));
        return false;
    }
    return true;
}

}  // namespace velnor
