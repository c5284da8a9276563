#pragma once

#include <array>
#include <cstdint>

namespace velnor {

// The title font as a Windows LOGFONT, kept field for field because documents store it so.
struct LogFont {
    int32_t lfHeight = 20;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 400;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 134;  // GB2312
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    // Code page 936 bytes, NUL-terminated; the whole array is stored, including what follows the NUL.
    std::array<uint8_t, 32> lfFaceName{};

    bool operator==(const LogFont&) const = default;
};

// "华文行楷" in code page 936, the face of the default title font.
inline constexpr std::array<uint8_t, 32> kDefaultTitleFace{0xBB, 0xAA, 0xCE, 0xC4,
                                                           0xD0, 0xD0, 0xBF, 0xAC};

}  // namespace velnor
