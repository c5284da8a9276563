#include "view/images/image_files.h"

#include <QBuffer>
#include <QFileDevice>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <cstdio>
#include <optional>
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

namespace {

struct SaveFailure {
    int code = 0;
    QString platformText;
    QString reason;  // in Chinese, as the program's other refused saves say why
};

// Encodes the picture in the format its name asks for.
std::optional<SaveFailure> EncodeImage(const QImage& image, const QString& path, QBuffer& buffer) {
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    const auto failed = [&path](int code, const QString& platformText, const QString& why) {
        return SaveFailure{code, platformText,
                           QStringLiteral("无法写入图像文件 %1：%2").arg(path, why)};
    };
    if (format == "gif") {
        if (const GifFailure gif = WriteGif(image, buffer); gif.code != 0) {
            return failed(gif.code, QString::fromStdString(gif.text),
                          QStringLiteral("GIF编码失败"));
        }
        return std::nullopt;
    }
    QImageWriter writer(&buffer, format == "jpg" ? QByteArray("jpeg") : format);
    if (!writer.write(image)) {
        const bool unsupported = writer.error() == QImageWriter::UnsupportedFormatError;
        return failed(
            writer.error(), writer.errorString(),
            unsupported ? QStringLiteral("不支持这种图像格式") : QStringLiteral("图像编码失败"));
    }
    return std::nullopt;
}

}  // namespace

// The picture is encoded in memory and then saved as a document is, so that a failure leaves the
// old file whole and only a regular file is replaced.
bool SaveImageFile(const QImage& image, const QString& path) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    std::optional<SaveFailure> failure = EncodeImage(image, path, buffer);
    if (!failure) {
        if (const QString written = SaveFileBytes(path, buffer.data()); !written.isEmpty()) {
            failure = SaveFailure{QFileDevice::WriteError, QStringLiteral("write error"), written};
        }
    }
    if (failure) {
        // The first lines are the message the program has always shown; the last says why.
        ShowMessage("Save image failed:\n" + HexCodeAndText(failure->code, failure->platformText) +
                    "\n" + failure->reason.toStdString());
        return false;
    }
    return true;
}

}  // namespace velnor
