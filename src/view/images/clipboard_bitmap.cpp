#include "view/images/clipboard_bitmap.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtEndian>

#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr const char* kBmpType = "image/bmp";
constexpr int kFileHeaderSize = 14;
constexpr int kBitCountOffset = 14;  // within the bitmap information header

// The bits per pixel of a BMP as the clipboard carries it (with or without the file header).
int BmpBitCount(const QByteArray& bmp) {
    const int header = bmp.startsWith("BM") ? kFileHeaderSize : 0;
    if (bmp.size() < header + kBitCountOffset + 2) {
        return 0;
    }
    return qFromLittleEndian<quint16>(bmp.constData() + header + kBitCountOffset);
}

// The bitmap and its bits per pixel, from the BMP form when there is one (it keeps the depth the
// other program wrote), else from the image Qt decoded.
std::optional<std::pair<QImage, int>> ClipboardBitmap(const QMimeData& data) {
    if (data.hasFormat(kBmpType)) {
        const QByteArray bmp = data.data(kBmpType);
        return std::pair{QImage::fromData(bmp, "BMP"), BmpBitCount(bmp)};
    }
    if (data.hasImage()) {
        const QImage image = qvariant_cast<QImage>(data.imageData());
        return std::pair{image, image.depth()};
    }
    return std::nullopt;
}

}  // namespace

bool HoldsBitmap(const QMimeData* data) {
    return data && (data->hasImage() || data->hasFormat(kBmpType));
}

bool ClipboardHoldsBitmap() {
    static std::optional<bool> answer;
    static const QMetaObject::Connection forgetOnChange = QObject::connect(
        QGuiApplication::clipboard(), &QClipboard::dataChanged, [] { answer.reset(); });
    if (!answer) {
        answer = HoldsBitmap(QGuiApplication::clipboard()->mimeData());
    }
    return *answer;
}

std::optional<PixelBuffer> PasteBitmap(const QMimeData* data) {
    if (!data) {
        ShowMessage("不能打开剪贴板!");
        return std::nullopt;
    }
    const auto bitmap = ClipboardBitmap(*data);
    if (!bitmap || bitmap->first.isNull()) {
        ShowMessage("无法取得剪贴板数据,不能完成粘贴! ");
        return std::nullopt;
    }
    if (bitmap->second != 32) {
        ShowMessage("图象格式不合,不能完成粘贴!");
        return std::nullopt;
    }
    PixelBuffer pixels = PixelsFromImage(bitmap->first);
    if (pixels.Empty()) {
        ShowMessage("内存不够,不能完成粘贴!");
        return std::nullopt;
    }
    return pixels;
}

}  // namespace velnor
