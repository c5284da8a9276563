#pragma once

#include <array>
#include <cstdint>

namespace velnor {

// The 60 colours faces take by their order when they are painted; the 61st face starts again.
using PaletteColor = std::array<uint8_t, 3>;
const PaletteColor& FacePaletteColor(int faceNumber);

}  // namespace velnor
