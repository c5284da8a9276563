#include <gtest/gtest.h>

#include "model/page.h"
#include "model/solid_materials.h"

namespace velnor {
namespace {

uint16_t AddSphere(CGpage& page) {
    return page.AddSolid(std::make_unique<CSubassembly>(kSolidSphere, 0, Float3{0, 0, 0}, 0.0f,
                                                        Float3{0, 0, 1}, Float3{1, 1, 1}, 0.5, 0,
                                                        Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0}));
}

const Material kRuby{{0.1745f, 0.01175f, 0.01175f, 1},
                     {0.61424f, 0.04136f, 0.04136f, 1},
                     {0.727811f, 0.626959f, 0.626959f, 1},
                     76.8f};

TEST(SolidMaterials, SelectedSolidsTakeACopyOfTheMaterialAndTheSelectionEmpties) {
    CGpage page;
    const uint16_t a = AddSphere(page), b = AddSphere(page);
    page.m_selSolids = {a};
    GiveSelectedSolidsMaterial(page, kRuby);
    EXPECT_EQ(page.m_solids.at(a)->m_material, kRuby);
    EXPECT_EQ(page.m_solids.at(a)->m_bOwnMaterial, 1);
    EXPECT_EQ(page.m_solids.at(b)->m_bOwnMaterial, 0);
    EXPECT_TRUE(page.m_selSolids.empty());
}

TEST(SolidMaterials, FollowingTheSceneMaterialAgainKeepsTheStoredMaterial) {
    CGpage page;
    const uint16_t a = AddSphere(page);
    page.m_selSolids = {a};
    GiveSelectedSolidsMaterial(page, kRuby);
    page.m_selSolids = {a, 999};  // a key that no solid has is passed over
    LetSelectedSolidsFollowSceneMaterial(page);
    EXPECT_EQ(page.m_solids.at(a)->m_bOwnMaterial, 0);
    EXPECT_EQ(page.m_solids.at(a)->m_material, kRuby);
    EXPECT_TRUE(page.m_selSolids.empty());
}

TEST(SolidMaterials, RandomColoursGoToSelectedVerticesAndSolidsAndTheSelectionsStay) {
    CGpage page;
    page.AddVertex(0, 0, 0);
    page.AddVertex(1, 0, 0);
    page.m_selPoints = {1};
    const uint16_t a = AddSphere(page);
    page.m_selSolids = {a};
    float next = 0.0f;
    const auto counting = [&] {
        next += 0.01f;
        return next;
    };
    RandomizeSelectedColors(page, 42.0f, counting);
    EXPECT_EQ(page.m_color[0], (Float3{0, 1, 0}));  // unselected: still the new point colour
    EXPECT_FLOAT_EQ(page.m_color[1][0], 0.01f);
    EXPECT_FLOAT_EQ(page.m_color[1][2], 0.03f);
    const CSubassembly& solid = *page.m_solids.at(a);
    EXPECT_FLOAT_EQ(solid.m_material.ambient[0], 0.04f);
    EXPECT_FLOAT_EQ(solid.m_material.ambient[3], 0.07f);
    EXPECT_FLOAT_EQ(solid.m_material.specular[3], 0.15f);
    EXPECT_EQ(solid.m_material.shininess, 42.0f);
    EXPECT_EQ(solid.m_bOwnMaterial, 1);
    EXPECT_EQ(page.m_selPoints, (std::vector<int>{1}));
    EXPECT_EQ(page.m_selSolids.size(), 1u);
}

}  // namespace
}  // namespace velnor
