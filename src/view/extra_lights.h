#pragma once

#include <array>

namespace velnor {

// The two dim lights 辅助光源 switches on, shining from the upper left and the upper right in
// front of the eye: directions in eye coordinates (w = 0), so they do not turn with the figure.
inline constexpr std::array<float, 4> kExtraLightDiffuse{0.15f, 0.15f, 0.15f, 1.0f};
inline constexpr std::array<float, 4> kExtraLightLeft{-1.0f, 1.0f, 1.0f, 0.0f};
inline constexpr std::array<float, 4> kExtraLightRight{1.0f, 1.0f, 1.0f, 0.0f};

}  // namespace velnor
