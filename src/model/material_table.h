#pragma once

#include <span>

#include "model/material.h"

namespace velnor {

// An entry of the 材质 choice of the settings pane.
struct NamedMaterial {
    const char* name;
    Material material;
};

// "默认值" followed by the 24 classic named materials (emerald ... yellow rubber), in the order the
// choice lists them. Shininess is already scaled to OpenGL's 0..128.
std::span<const NamedMaterial> MaterialTable();

}  // namespace velnor
