#include "model/stipple_patterns.h"

#include <string_view>

namespace velnor {

namespace {

constexpr uint8_t HexDigit(char c) {
    return static_cast<uint8_t>(c <= '9' ? c - '0' : c - 'a' + 10);
}

constexpr PolygonStipple FromHex(std::string_view hex) {
    PolygonStipple bytes{};
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(HexDigit(hex[2 * i]) << 4 | HexDigit(hex[2 * i + 1]));
    }
    return bytes;
}

constexpr PolygonStipple MakeHatch() {
    PolygonStipple bytes{};
    for (size_t row = 0; row < 32; row += 2) {
        for (size_t col = 0; col < 4; ++col) {
            bytes[row * 4 + col] = 0x10;
        }
    }
    return bytes;
}

constexpr PolygonStipple kHatch = MakeHatch();

constexpr PolygonStipple kPicture = FromHex(
    "0000000000000000038001c006c003600460062004300c2004181820040c3020"
    "040660204403c022440180224401802244018022440180224401802244018022"
    "66018066330180cc198181980cc1833107e187e0033ffcc003318cc00333ccc0"
    "066426600ccc333018cc331810c423081063c60810300c081063c60810300c08");

}  // namespace

const PolygonStipple& HatchStipple() {
    return kHatch;
}

const PolygonStipple& PictureStipple() {
    return kPicture;
}

const PolygonStipple* StippleForFill(int fillStipple) {
    switch (fillStipple) {
        case 1:
            return &kHatch;
        case 2:
            return &kPicture;
        default:
            return nullptr;
    }
}

}  // namespace velnor
