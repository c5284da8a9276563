#pragma once

#include <GL/gl.h>

#include <QFont>

#include <array>
#include <vector>

namespace velnor {

// Label sizes of the 大 / 中 / 小 commands, in pixels.
inline constexpr int kLabelSizeLarge = 36;
inline constexpr int kLabelSizeMedium = 26;
inline constexpr int kLabelSizeSmall = 16;

// Codes from '@' on are letters, in the label font's bold italic face at the label size; the
// codes below (blank, digits, punctuation) are in its upright face at 0.8 of that size.
inline constexpr char32_t kFirstLetterCode = 64;

inline bool IsLetterCode(char32_t code) {
    return code >= kFirstLetterCode;
}

// The label font's face for letters or for the codes below them, for labels of `pixelSize`.
QFont LabelFace(int pixelSize, bool letters);

// How far each label glyph moves the raster position, in pixels, by character code; codes
// without a glyph have none.
using LabelAdvances = std::array<float, 128>;

// A label glyph as one bit a pixel, rows going upwards as glBitmap takes them, with the point of
// the bitmap that sits on the raster position and how far the glyph moves it on.
struct LabelGlyph {
    int width = 0;
    int height = 0;
    float originX = 0.0f;
    float originY = 0.0f;
    float advance = 0.0f;
    std::vector<GLubyte> bits;  // (width + 7) / 8 bytes a row

    bool IsSet(int x, int y) const {
        return (bits[static_cast<size_t>(y) * ((width + 7) / 8) + x / 8] & (0x80 >> (x % 8))) != 0;
    }
};

// The glyphs by character code; only 32..127 have any.
using LabelGlyphTable = std::array<LabelGlyph, 128>;
inline constexpr unsigned char kFirstLabelCode = 32;

// Characters 64..127 (letters) in a bold italic serif face of `pixelSize`, characters 32..63
// (blank, digits, punctuation) upright at 0.8 of that size, so that a label such as A1 reads as
// an italic letter with a smaller digit. Needs a running QGuiApplication.
LabelGlyphTable MakeLabelGlyphs(int pixelSize);

// Compiles the glyphs as glBitmaps into the list block at `base`, one list by character code.
// Needs a current context.
LabelAdvances BuildLabelFont(GLuint base, const LabelGlyphTable& glyphs);

}  // namespace velnor
