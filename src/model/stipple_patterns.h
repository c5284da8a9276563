#pragma once

#include <array>
#include <cstdint>

namespace velnor {

// A 32 x 32 polygon stipple, rows of four bytes from the bottom, as glPolygonStipple takes it.
using PolygonStipple = std::array<uint8_t, 128>;

// Fill stipple 1 (斜线): a dot every 8 pixels on every second row.
const PolygonStipple& HatchStipple();
// Fill stipple 2 (图案): a small picture.
const PolygonStipple& PictureStipple();

// The stipple pattern for a fill-stipple choice (1 hatch, 2 picture); 0 has none.
const PolygonStipple* StippleForFill(int fillStipple);

// A dash pattern for glLineStipple.
struct LineStipple {
    int factor;
    uint16_t pattern;
};

// The 虚线 choice: 虚线1, 虚线2, 点划线, 点线. The first is the one hidden edges start with.
inline constexpr std::array<LineStipple, 4> kLineStipples{
    {{1, 0x03FF}, {1, 0xFC00}, {3, 0x08FF}, {1, 0xF0F0}}};

}  // namespace velnor
