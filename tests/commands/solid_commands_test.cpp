#include <cmath>

#include "commands/script_fixture.h"

namespace velnor::test {
namespace {

TEST_F(ScriptTest, AFigureSetTakesItsTypeAndSizes) {
    Run("图元集 type=0 L=2 X=1\n");
    ASSERT_EQ(Page().m_nVertexCount, 8);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "添加正方体");
    float lowest = 100.0f;
    float highest = -100.0f;
    for (int i = 0; i < 8; ++i) {
        lowest = std::min(lowest, Page().m_pos[i][0]);
        highest = std::max(highest, Page().m_pos[i][0]);
    }
    EXPECT_NEAR(lowest, 0.0f, 1e-5f);
    EXPECT_NEAR(highest, 2.0f, 1e-5f);
    EXPECT_THROW(Run("图元集 type=14\n"), ScriptError);
}

TEST_F(ScriptTest, AComponentIsPlacedAndItsPropertiesEditedAndUndone) {
    Run("组件 kind=0 x=1 y=2 z=3\n");
    ASSERT_EQ(Page().m_solids.size(), 1u);
    const CSubassembly& solid = *Page().m_solids.at(1);
    EXPECT_EQ(solid.m_nKind, kSolidSphere);
    EXPECT_EQ(solid.m_position, (Float3{1.0f, 2.0f, 3.0f}));
    Run("select none\nselect solids 1\n修改图元属性 x=5 spin=30\n");
    EXPECT_EQ(Page().m_solids.at(1)->m_position, (Float3{5.0f, 2.0f, 3.0f}));
    EXPECT_FLOAT_EQ(Page().m_solids.at(1)->m_fSpin, 30.0f);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "修改组件");
    EXPECT_THROW(Run("修改图元属性 angle=3\n"), ScriptError);
    Run("undo\n");
    EXPECT_EQ(Page().m_solids.at(1)->m_position, (Float3{1.0f, 2.0f, 3.0f}));
}

TEST_F(ScriptTest, APointOnTheGeometricSphereByLatitudeAndLongitude) {
    Run("几何球体\nselect none\n");
    int sphere = 0;
    for (const auto& [key, solid] : Page().m_solids) {
        if (solid->m_nKind == kSolidSphereOutline) {
            sphere = key;
        }
    }
    ASSERT_NE(sphere, 0);
    const int before = Page().m_nVertexCount;
    Run("select solids " + std::to_string(sphere) +
        "\n球上的点、纬线、经线 lat=90 lon=0 parallel=0 meridian=0 point=1\n");
    ASSERT_EQ(Page().m_nVertexCount, before + 1);
    const float radius = 5.0f * std::sqrt(3.0f);
    EXPECT_NEAR(Page().m_pos[before][2], radius, 1e-3f);
    EXPECT_NEAR(Page().m_pos[before][0], 0.0f, 1e-3f);
}

TEST_F(ScriptTest, ACircleThroughThreePointsCarriesAPointMovingOnIt) {
    Run("point 1 0 0\npoint 0 1 0\npoint -1 0 0\n过三点的圆\n");
    ASSERT_EQ(Page().m_solids.size(), 1u);
    EXPECT_EQ(Page().m_solids.at(1)->m_nKind, kSolidCircleOutline);
    EXPECT_EQ(Run("圆上动点\n"), "disabled: 圆上动点\n");
    Run("select solids 1\n圆上动点\n");
    EXPECT_EQ(Page().m_nVertexCount, 4);
    EXPECT_EQ(Page().m_buttons.size(), 1u);
    Run("press 3024\ntick 26\n");
    EXPECT_NEAR(std::hypot(Page().m_pos[3][0], Page().m_pos[3][1]), 1.0f, 1e-3f);
}

}  // namespace
}  // namespace velnor::test
