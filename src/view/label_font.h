#pragma once

#include <GL/gl.h>

#include <QFont>

#include <array>

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

// Compiles bitmap glyphs into the list block at `base`: characters 64..127 (letters) in a bold
// italic serif face of `pixelSize`, characters 32..63 (blank, digits, punctuation) upright at
// 0.8 of that size, so that a label such as A1 reads as an italic letter with a smaller digit.
// Needs a current context and a running QGuiApplication.
LabelAdvances BuildLabelFont(GLuint base, int pixelSize);

}  // namespace velnor
