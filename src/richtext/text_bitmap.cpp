#include "richtext/text_bitmap.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <memory>

#include "model/bit_text.h"
#include "richtext/rtf_writer.h"

namespace velnor {

namespace {

constexpr qreal kMargin = 2.0;
constexpr int kMaxSide = 4096;
// A pixel at least this opaque is part of the text.
constexpr int kInkAlpha = 128;

QImage DrawDocument(const QTextDocument& source) {
    std::unique_ptr<QTextDocument> document(source.clone());
    document->setDocumentMargin(kMargin);
    document->setTextWidth(-1);
    document->setTextWidth(std::ceil(document->idealWidth()));
    const QSizeF size = document->size();
    QImage image(std::clamp(static_cast<int>(std::ceil(size.width())), 1, kMaxSide),
                 std::clamp(static_cast<int>(std::ceil(size.height())), 1, kMaxSide),
                 QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    document->documentLayout()->draw(&painter, context);
    return image;
}

// glBitmap reads rows from the bottom up, the leftmost pixel in the high bit.
std::vector<uint8_t> OneBitRows(const QImage& image) {
    const int width = image.width();
    const int height = image.height();
    const int bytesPerRow = CBitText::BytesPerRow(width);
    std::vector<uint8_t> bits(static_cast<size_t>(bytesPerRow) * height, 0);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(height - 1 - y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(row[x]) >= kInkAlpha) {
                bits[static_cast<size_t>(y) * bytesPerRow + x / 8] |=
                    static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return bits;
}

}  // namespace

QFont DefaultTextFont() {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPointSize(16);
    return font;
}

EditedText RenderEditedText(const QTextDocument& document) {
    const QImage image = DrawDocument(document);
    EditedText text;
    text.width = image.width();
    text.height = image.height();
    text.bits = OneBitRows(image);
    text.rtf = WriteRtf(document);
    QString plain = document.toPlainText();
    plain.replace(QChar::LineSeparator, u'\n');
    text.plainText = plain.toStdString();
    text.paragraphs = document.blockCount();
    text.characters = static_cast<int32_t>(plain.size());
    return text;
}

}  // namespace velnor
