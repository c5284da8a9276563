#pragma once

#include <array>

namespace velnor {

using Rgba = std::array<float, 4>;

// Front material of a solid or of the whole scene.
struct Material {
    Rgba ambient{0.2f, 0.2f, 0.2f, 1.0f};
    Rgba diffuse{0.8f, 0.8f, 0.8f, 1.0f};
    Rgba specular{0.0f, 0.0f, 0.0f, 1.0f};
    float shininess = 10.0f;

    bool operator==(const Material&) const = default;
};

// The "默认值" entry of the material table; new solids start with it.
inline constexpr Material kDefaultMaterial{};

}  // namespace velnor
