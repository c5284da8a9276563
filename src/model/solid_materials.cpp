#include "model/solid_materials.h"

#include "model/page.h"

namespace velnor {

namespace {

template <typename Action>
void ForEachSelectedSolid(CGpage& page, Action action) {
    for (const int key : page.m_selSolids) {
        const auto found = page.m_solids.find(static_cast<uint16_t>(key));
        if (found != page.m_solids.end()) {
            action(*found->second);
        }
    }
}

Rgba RandomRgba(const std::function<float()>& random) {
    Rgba c{};
    for (float& component : c) {
        component = random();
    }
    return c;
}

}  // namespace

void GiveSelectedSolidsMaterial(CGpage& page, const Material& material) {
    ForEachSelectedSolid(page, [&](CSubassembly& solid) {
        solid.m_material = material;
        solid.m_bOwnMaterial = 1;
    });
    page.m_selSolids.clear();
}

void LetSelectedSolidsFollowSceneMaterial(CGpage& page) {
    ForEachSelectedSolid(page, [](CSubassembly& solid) { solid.m_bOwnMaterial = 0; });
    page.m_selSolids.clear();
}

void RandomizeSelectedColors(CGpage& page, float shininess, const std::function<float()>& random) {
    for (const int vertex : page.m_selPoints) {
        if (vertex >= 0 && vertex < page.m_nVertexCount) {
            page.m_color[vertex] = {random(), random(), random()};
        }
    }
    ForEachSelectedSolid(page, [&](CSubassembly& solid) {
        solid.m_material.ambient = RandomRgba(random);
        solid.m_material.diffuse = RandomRgba(random);
        solid.m_material.specular = RandomRgba(random);
        solid.m_material.shininess = shininess;
        solid.m_bOwnMaterial = 1;
    });
}

}  // namespace velnor
