#pragma once

#include <array>
#include <cstdint>

namespace velnor {

// A colour as three bytes, the way the scene settings and bitmap texts store it.
struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

// The 0..1 components OpenGL takes.
inline std::array<float, 3> ToFloats(Rgb c) {
    return {c.r / 255.0f, c.g / 255.0f, c.b / 255.0f};
}

// A Windows COLORREF value: red in the low byte, then green, then blue.
inline Rgb FromColorRef(uint32_t colorRef) {
    return {static_cast<uint8_t>(colorRef & 0xFF), static_cast<uint8_t>((colorRef >> 8) & 0xFF),
            static_cast<uint8_t>((colorRef >> 16) & 0xFF)};
}

inline uint32_t ToColorRef(Rgb c) {
    return static_cast<uint32_t>(c.r) | (static_cast<uint32_t>(c.g) << 8) |
           (static_cast<uint32_t>(c.b) << 16);
}

}  // namespace velnor
