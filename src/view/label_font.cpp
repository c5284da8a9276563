#include "view/label_font.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <vector>

namespace velnor {

namespace {

QFont LabelFont(int pixelSize, bool italic) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Renders one character and compiles it as a glBitmap that advances the raster position by the
// character's width. Italic glyphs may reach left of their origin; the bitmap covers that too.
void CompileGlyph(GLuint name, const QFont& font, char ch) {
    const QFontMetrics metrics(font);
    const QString text(QChar::fromLatin1(ch));
    const QRect ink = metrics.boundingRect(text);
    const int advance = metrics.horizontalAdvance(text);
    const int left = std::min(0, ink.left()) - 1;
    const int right = std::max(advance, ink.right() + 1) + 1;
    const int width = right - left;
    const int height = metrics.ascent() + metrics.descent() + 2;

    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(0);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(-left, metrics.ascent() + 1, text);
    }

    const int bytesPerRow = (width + 7) / 8;
    std::vector<GLubyte> bits(static_cast<size_t>(bytesPerRow) * height, 0);
    for (int y = 0; y < height; ++y) {
        const uchar* row = image.constScanLine(height - 1 - y);  // glBitmap rows go upwards
        for (int x = 0; x < width; ++x) {
            if (row[x] > 127) {
                bits[static_cast<size_t>(y) * bytesPerRow + x / 8] |=
                    static_cast<GLubyte>(0x80 >> (x % 8));
            }
        }
    }
    glNewList(name, GL_COMPILE);
    glBitmap(width, height, static_cast<GLfloat>(-left),
             static_cast<GLfloat>(metrics.descent() + 1), static_cast<GLfloat>(advance), 0.0f,
             bits.data());
    glEndList();
}

}  // namespace

void BuildLabelFont(GLuint base, int pixelSize) {
    const QFont small = LabelFont(static_cast<int>(pixelSize * 0.8), false);
    const QFont main = LabelFont(pixelSize, true);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int ch = 32; ch < 64; ++ch) {
        CompileGlyph(base + ch, small, static_cast<char>(ch));
    }
    for (int ch = 64; ch < 128; ++ch) {
        CompileGlyph(base + ch, main, static_cast<char>(ch));
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

}  // namespace velnor
