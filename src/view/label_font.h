#pragma once

#include <GL/gl.h>

#include <array>

namespace velnor {

// Label sizes of the 大 / 中 / 小 commands, in pixels.
inline constexpr int kLabelSizeLarge = 36;
inline constexpr int kLabelSizeMedium = 26;
inline constexpr int kLabelSizeSmall = 16;

// How far each label glyph moves the raster position, in pixels, by character code; codes
// without a glyph have none.
using LabelAdvances = std::array<float, 128>;

// Compiles bitmap glyphs into the list block at `base`: characters 64..127 (letters) in a bold
// italic serif face of `pixelSize`, characters 32..63 (blank, digits, punctuation) upright at
// 0.8 of that size, so that a label such as A1 reads as an italic letter with a smaller digit.
// Needs a current context and a running QGuiApplication.
LabelAdvances BuildLabelFont(GLuint base, int pixelSize);

}  // namespace velnor
