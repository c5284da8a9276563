#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "commands/material_commands.h"
#include "commands/unit_random.h"
#include "model/document.h"
#include "model/gl_model.h"
#include "support/recording_document_views.h"

namespace velnor {
namespace {

const Material kRuby{{0.1745f, 0.01175f, 0.01175f, 1},
                     {0.61424f, 0.04136f, 0.04136f, 1},
                     {0.727811f, 0.626959f, 0.626959f, 1},
                     76.8f};

class MaterialCommandsTest : public ::testing::Test {
protected:
    MaterialCommandsTest() { doc.OnNewDocument(); }

    uint16_t AddSphere() {
        return Page().AddSolid(std::make_unique<CSubassembly>(
            kSolidSphere, 0, Float3{0, 0, 0}, 0.0f, Float3{0, 0, 1}, Float3{1, 1, 1}, 0.5, 0,
            Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0}));
    }
    CGpage& Page() { return doc.CurrentPage(); }

    test::RecordingDocumentViews views;
    CPlomDoc doc;
};

TEST_F(MaterialCommandsTest, SelectedSolidsTakeACopyOfTheSceneMaterialAndTheSelectionEmpties) {
    doc.Settings().m_material = kRuby;
    const uint16_t a = AddSphere(), b = AddSphere();
    Page().m_selSolids = {a};
    ApplyCurrentMaterial(doc);
    EXPECT_EQ(Page().m_solids.at(a)->m_material, kRuby);
    EXPECT_EQ(Page().m_solids.at(a)->m_bOwnMaterial, 1);
    EXPECT_EQ(Page().m_solids.at(b)->m_bOwnMaterial, 0);
    EXPECT_TRUE(Page().m_selSolids.empty());
}

TEST_F(MaterialCommandsTest, FollowingTheSceneMaterialAgainKeepsTheStoredMaterial) {
    doc.Settings().m_material = kRuby;
    const uint16_t a = AddSphere();
    Page().m_selSolids = {a};
    ApplyCurrentMaterial(doc);
    Page().m_selSolids = {a, 999};  // a key that no solid has is passed over
    FollowSceneMaterial(doc);
    EXPECT_EQ(Page().m_solids.at(a)->m_bOwnMaterial, 0);
    EXPECT_EQ(Page().m_solids.at(a)->m_material, kRuby);
    EXPECT_TRUE(Page().m_selSolids.empty());
}

TEST_F(MaterialCommandsTest, RandomColoursGoToSelectedVerticesAndSolidsAndTheSelectionsStay) {
    doc.Settings().m_material.shininess = 42.0f;
    Page().AddVertex(0, 0, 0);
    Page().AddVertex(1, 0, 0);
    const Float3 unselected = Page().m_color[0];
    Page().m_selPoints = {1};
    const uint16_t a = AddSphere();
    Page().m_selSolids = {a};
    float next = 0.0f;
    RandomColours(doc, [&] { return next += 0.01f; });
    EXPECT_EQ(Page().m_color[0], unselected);
    EXPECT_FLOAT_EQ(Page().m_color[1][0], 0.01f);
    EXPECT_FLOAT_EQ(Page().m_color[1][2], 0.03f);
    const CSubassembly& solid = *Page().m_solids.at(a);
    EXPECT_FLOAT_EQ(solid.m_material.ambient[0], 0.04f);
    EXPECT_FLOAT_EQ(solid.m_material.ambient[3], 0.07f);
    EXPECT_FLOAT_EQ(solid.m_material.specular[3], 0.15f);
    EXPECT_EQ(solid.m_material.shininess, 42.0f);
    EXPECT_EQ(solid.m_bOwnMaterial, 1);
    EXPECT_EQ(Page().m_selPoints, (std::vector<int>{1}));
    EXPECT_EQ(Page().m_selSolids.size(), 1u);
}

TEST(UnitRandom, GivesStepsOfA32767thFromZeroToOneAndRepeatsForASeed) {
    UnitRandom random(7), again(7);
    std::set<float> seen;
    for (int i = 0; i < 200000; ++i) {
        const float value = random();
        ASSERT_EQ(value, again());
        ASSERT_GE(value, 0.0f);
        ASSERT_LE(value, 1.0f);
        const float steps = value * UnitRandom::kSteps;
        ASSERT_NEAR(steps, std::round(steps), 1e-2f) << value;
        seen.insert(value);
    }
    EXPECT_TRUE(seen.contains(0.0f) || seen.contains(1.0f));
    EXPECT_GT(seen.size(), 30000u);
    EXPECT_NE(UnitRandom(7)(), UnitRandom(8)());
}

}  // namespace
}  // namespace velnor
