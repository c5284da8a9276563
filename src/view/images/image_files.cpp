#include "view/images/image_files.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>
#include <string>

#include "model/message_seam.h"
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

// Why a write failed, in words a teacher can act on.
QString ChineseReason(QFileDevice::FileError error) {
    switch (error) {
        case QFileDevice::OpenError:
            return QStringLiteral("文件夹不存在或不能在此处创建文件");
        case QFileDevice::PermissionsError:
            return QStringLiteral("没有写入此处的权限");
        case QFileDevice::WriteError:
        case QFileDevice::ResourceError:
            return QStringLiteral("写入出错，磁盘可能已满");
        default:
            return QStringLiteral("文件系统报告了错误");
    }
}

struct SaveFailure {
    int code = 0;
    QString platformText;
    QString reason;  // in Chinese
};

}  // namespace

bool SaveImageFile(const QImage& image, const QString& path) {
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    QSaveFile file(path);
    std::optional<SaveFailure> failure;
    if (!file.open(QIODevice::WriteOnly)) {
        failure = SaveFailure{file.error(), file.errorString(), ChineseReason(file.error())};
    } else if (format == "gif") {
        if (const GifFailure gif = WriteGif(image, file); gif.code != 0) {
            failure = SaveFailure{gif.code, QString::fromStdString(gif.text),
                                  QStringLiteral("GIF编码失败")};
        }
    } else {
        QImageWriter writer(&file, format == "jpg" ? QByteArray("jpeg") : format);
        if (!writer.write(image)) {
            const bool unsupported = writer.error() == QImageWriter::UnsupportedFormatError;
            failure = SaveFailure{writer.error(), writer.errorString(),
                                  unsupported ? QStringLiteral("不支持这种图像格式")
                                              : QStringLiteral("图像编码失败")};
        }
    }
    if (!failure && !file.commit()) {
        failure = SaveFailure{file.error(), file.errorString(), ChineseReason(file.error())};
    }
    if (failure) {
        // The first lines are the message the program has always shown; the last says why.
        ShowMessage(
            "Save image failed:\n" + HexCodeAndText(failure->code, failure->platformText) + "\n" +
            QStringLiteral("无法写入图像文件 %1：%2").arg(path, failure->reason).toStdString());
        return false;
    }
    return true;
}

}  // namespace velnor
