#include "buttons/point_on_circle.h"

#include <gtest/gtest.h>

#include <cmath>

#include "button_document.h"
#include "button_test_support.h"

namespace velnor {
namespace {

class PointOnCircle : public test::ButtonDocument {
protected:
    uint16_t AddCircle(const Float3& centre, const Float3& axis, const Float3& scale,
                       uint8_t kind = kSolidCircleOutline) {
        auto solid = std::make_unique<CSubassembly>();
        solid->m_nKind = kind;
        solid->m_position = centre;
        solid->m_direction = axis;
        solid->m_scale = scale;
        const uint16_t key = Page().AddSolid(std::move(solid));
        Page().m_selSolids = {key};
        return key;
    }
};

TEST_F(PointOnCircle, PointAndButtonTurnOnceRoundTheCircle) {
    AddCircle({1, 1, 1}, {0, 0, 2}, {2, 2, 2});
    Page().m_axisDir = {1, 0, 0};
    ASSERT_TRUE(AddPointOnCircle(doc));
    // The axis has no x component, so the point lies along x from the centre.
    EXPECT_EQ(Page().m_pos[2], (Float3{3, 1, 1}));
    EXPECT_EQ(Page().m_selPoints, (std::vector<int>{2}));
    EXPECT_TRUE(Page().m_selSolids.empty());
    const auto& button = test::ButtonAt<CBtnRotatef>(Page(), 3024);
    EXPECT_EQ(button.m_axisDir, (Float3{0, 0, 1}));
    EXPECT_EQ(button.m_axisPoint, (Float3{1, 1, 1}));
    EXPECT_EQ(button.m_angle, 360.0f);
    EXPECT_EQ(button.m_targetVerts, (std::vector<int>{2}));
    EXPECT_EQ(Page().m_axisDir, (Float3{1, 0, 0}));  // the page's definitions are back
    EXPECT_EQ(Page().m_fAngle, 90.0f);
    EXPECT_EQ(LastCommandName(), "添加点在圆上旋转的按钮");
    EXPECT_EQ(views.hints.back(), kHintVertices);

    PressButton(Page(), 3024);
    test::Ticks(Page(), 26);  // save and 25 of 50 turns: half way round
    EXPECT_NEAR(Page().m_pos[2][0], -1.0f, 1e-4);
    EXPECT_NEAR(Page().m_pos[2][1], 1.0f, 1e-4);
}

TEST_F(PointOnCircle, ObliqueAxisStartsInTheCirclesPlane) {
    AddCircle({0, 0, 0}, {1, 1, 1}, {3, 3, 3});
    ASSERT_TRUE(AddPointOnCircle(doc));
    const Float3 p = Page().m_pos[2];
    EXPECT_NEAR(p[0] + p[1] + p[2], 0.0f, 1e-5);
    EXPECT_NEAR(std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]), 3.0f, 1e-5);
}

TEST_F(PointOnCircle, TwoUndosRemoveTheButtonAndThenThePoint) {
    AddCircle({0, 0, 0}, {0, 0, 1}, {1, 1, 1});
    AddPointOnCircle(doc);
    EXPECT_EQ(History().Count(), 2);
    History().Undo();
    EXPECT_TRUE(Page().m_buttons.empty());
    EXPECT_EQ(Page().m_nVertexCount, 3);
    History().Undo();
    EXPECT_EQ(Page().m_nVertexCount, 2);
    EXPECT_FALSE(History().CanUndo());
}

TEST_F(PointOnCircle, AnEllipseIsRefusedEitherWay) {
    AddCircle({0, 0, 0}, {0, 0, 1}, {2, 1, 2});
    EXPECT_FALSE(AddPointOnCircle(doc));
    Page().m_solids.at(1)->m_scale = {1, 2, 1};
    EXPECT_FALSE(AddPointOnCircle(doc));
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"这是椭圆，请修改后再添加", "这是椭圆，请修改后再添加"}));
    EXPECT_EQ(Page().m_nVertexCount, 2);
    EXPECT_EQ(History().Count(), 0);
}

TEST_F(PointOnCircle, OtherSolidsOrSelectionsDoNothing) {
    AddCircle({0, 0, 0}, {0, 0, 1}, {1, 1, 1}, kSolidSphereOutline);
    EXPECT_FALSE(AddPointOnCircle(doc));
    Page().m_selSolids.clear();
    EXPECT_FALSE(AddPointOnCircle(doc));
    AddCircle({0, 0, 0}, {0, 0, 0}, {1, 1, 1});
    EXPECT_FALSE(AddPointOnCircle(doc));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Page().m_nVertexCount, 2);
}

}  // namespace
}  // namespace velnor
