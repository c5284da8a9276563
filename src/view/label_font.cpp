#include "view/label_font.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace velnor {

namespace {

// The glyphs become bitmaps of one bit a pixel: grey edges would only be cut off.
QFont BitmapFace(int pixelSize, bool letters) {
    QFont face = LabelFace(pixelSize, letters);
    face.setStyleStrategy(QFont::NoAntialias);
    return face;
}

// Draws the characters first .. last - 1 of one face as bitmaps. Italic glyphs may reach left
// of their origin; the bitmap covers that too. One picture and one painter serve every glyph:
// making them per glyph costs more than drawing the glyph.
void MakeGlyphs(const QFont& font, int first, int last, LabelGlyphTable& glyphs) {
    const QFontMetrics metrics(font);
    const int height = metrics.ascent() + metrics.descent() + 2;
    QImage image(3 * metrics.maxWidth() + 4, height, QImage::Format_Grayscale8);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int ch = first; ch < last; ++ch) {
        const QString text(QChar::fromLatin1(static_cast<char>(ch)));
        const QRect ink = metrics.boundingRect(text);
        const int advance = metrics.horizontalAdvance(text);
        const int left = std::min(0, ink.left()) - 1;
        const int right = std::max(advance, ink.right() + 1) + 1;
        const int width = std::min(right - left, image.width());

        painter.fillRect(0, 0, width, height, Qt::black);
        painter.drawText(-left, metrics.ascent() + 1, text);

        LabelGlyph& glyph = glyphs[static_cast<size_t>(ch)];
        glyph.width = width;
        glyph.height = height;
        glyph.originX = static_cast<float>(-left);
        glyph.originY = static_cast<float>(metrics.descent() + 1);
        glyph.advance = static_cast<float>(advance);
        const int bytesPerRow = (width + 7) / 8;
        glyph.bits.assign(static_cast<size_t>(bytesPerRow) * height, 0);
        for (int y = 0; y < height; ++y) {
            const uchar* row = image.constScanLine(height - 1 - y);  // glBitmap rows go upwards
            for (int x = 0; x < width; ++x) {
                if (row[x] > 127) {
                    glyph.bits[static_cast<size_t>(y) * bytesPerRow + x / 8] |=
                        static_cast<GLubyte>(0x80 >> (x % 8));
                }
            }
        }
    }
}

}  // namespace

QFont LabelFace(int pixelSize, bool letters) {
    QFont face(QStringLiteral("Liberation Serif"));
    face.setStyleHint(QFont::Serif);
    face.setPixelSize(std::max(1, letters ? pixelSize : static_cast<int>(pixelSize * 0.8)));
    face.setBold(true);
    face.setItalic(letters);
    return face;
}

LabelGlyphTable MakeLabelGlyphs(int pixelSize) {
    LabelGlyphTable glyphs;
    MakeGlyphs(BitmapFace(pixelSize, false), kFirstLabelCode, kFirstLetterCode, glyphs);
    MakeGlyphs(BitmapFace(pixelSize, true), kFirstLetterCode, 128, glyphs);
    return glyphs;
}

LabelAdvances BuildLabelFont(GLuint base, const LabelGlyphTable& glyphs) {
    LabelAdvances advances{};
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (size_t code = kFirstLabelCode; code < glyphs.size(); ++code) {
        const LabelGlyph& glyph = glyphs[code];
        glNewList(base + static_cast<GLuint>(code), GL_COMPILE);
        glBitmap(glyph.width, glyph.height, glyph.originX, glyph.originY, glyph.advance, 0.0f,
                 glyph.bits.data());
        glEndList();
        advances[code] = glyph.advance;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    return advances;
}

}  // namespace velnor
