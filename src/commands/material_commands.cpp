#include "commands/material_commands.h"

#include <cstdlib>

#include "model/bit_text.h"
#include "model/document.h"
#include "model/gl_model.h"

namespace velnor {

namespace {

template <typename Operation>
void ForSelectedSolids(CGpage& page, Operation operation) {
    for (int key : page.m_selSolids) {
        auto found = page.m_solids.find(static_cast<uint16_t>(key));
        if (found != page.m_solids.end()) {
            operation(*found->second);
        }
    }
}

// A value in 0..1 with the granularity of a 15-bit rand(), whatever RAND_MAX is here.
float RandomUnit() {
    return static_cast<float>(std::rand() % 32768) / 32767.0f;
}

Rgba RandomRgba() {
    return {RandomUnit(), RandomUnit(), RandomUnit(), RandomUnit()};
}

}  // namespace

bool HasSelectedSolids(const CPlomDoc& doc) {
    return !doc.CurrentPage().m_selSolids.empty();
}

bool HasSelectedVerticesOrSolids(const CPlomDoc& doc) {
    const CGpage& page = doc.CurrentPage();
    return !page.m_selPoints.empty() || !page.m_selSolids.empty();
}

void ApplyCurrentMaterial(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    ForSelectedSolids(page, [](CSubassembly& solid) {
        solid.m_material = SceneSettings().m_material;
        solid.m_bOwnMaterial = 1;
    });
    page.m_selSolids.clear();
    doc.Refresh(kHintRedraw);
}

void FollowSceneMaterial(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    ForSelectedSolids(page, [](CSubassembly& solid) { solid.m_bOwnMaterial = 0; });
    page.m_selSolids.clear();
    doc.Refresh(kHintRedraw);
}

void RandomColours(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    for (int index : page.m_selPoints) {
        page.m_color[index] = {RandomUnit(), RandomUnit(), RandomUnit()};
    }
    ForSelectedSolids(page, [](CSubassembly& solid) {
        solid.m_material.ambient = RandomRgba();
        solid.m_material.diffuse = RandomRgba();
        solid.m_material.specular = RandomRgba();
        solid.m_material.shininess = SceneSettings().m_material.shininess;
        solid.m_bOwnMaterial = 1;
    });
    doc.Refresh(kHintRedraw);
}

void SetTextColour(CPlomDoc& doc, const Rgb& colour) {
    SceneSettings().m_textColor = colour;
    CGpage& page = doc.CurrentPage();
    if (page.m_selSolids.size() == 1) {
        auto found = page.m_solids.find(static_cast<uint16_t>(page.m_selSolids.front()));
        if (found != page.m_solids.end()) {
            if (auto* text = dynamic_cast<CBitText*>(found->second.get())) {
                text->m_color = colour;
            }
        }
    }
    doc.Refresh(kHintRedraw);
}

}  // namespace velnor
