#include "commands/material_commands.h"

#include "commands/unit_random.h"
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

Rgba RandomRgba(const std::function<float()>& random) {
    return {random(), random(), random(), random()};
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
    ForSelectedSolids(page, [&doc](CSubassembly& solid) {
        solid.m_material = doc.Settings().m_material;
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

void RandomColours(CPlomDoc& doc, const std::function<float()>& random) {
    CGpage& page = doc.CurrentPage();
    for (int index : page.m_selPoints) {
        page.m_color[index] = {random(), random(), random()};
    }
    ForSelectedSolids(page, [&](CSubassembly& solid) {
        solid.m_material.ambient = RandomRgba(random);
        solid.m_material.diffuse = RandomRgba(random);
        solid.m_material.specular = RandomRgba(random);
        solid.m_material.shininess = doc.Settings().m_material.shininess;
        solid.m_bOwnMaterial = 1;
    });
    doc.Refresh(kHintRedraw);
}

void RandomColours(CPlomDoc& doc) {
    static UnitRandom random;
    RandomColours(doc, std::ref(random));
}

void SetTextColour(CPlomDoc& doc, const Rgb& colour) {
    doc.Settings().m_textColor = colour;
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
