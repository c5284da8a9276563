#include <gtest/gtest.h>

#include "buttons/point_on_circle.h"
#include "editing/circle_commands.h"
#include "editing/editing_fixture.h"
#include "figure_checks.h"
#include "geometry/circle_constructions.h"
#include "page_builder.h"

namespace velnor {
namespace {

using test::AddPoints;
using test::ExpectPosition;

class CircleConstructions : public test::EditingTest {
protected:
    void SelectAll() { Page().m_selPoints = {0, 1, 2}; }
};

TEST(CircleThroughThreePoints, UnitCircleHasItsCentreAtTheOriginAndAxisFromTheCrossProduct) {
    const auto circle = CircleThroughThreePoints({1, 0, 0}, {0, 1, 0}, {-1, 0, 0});
    ASSERT_TRUE(circle);
    EXPECT_EQ(circle->centre, (Vec3{0, 0, 0}));
    EXPECT_EQ(circle->axis, (Vec3{0, 0, -2}));
    EXPECT_FLOAT_EQ(circle->radius, 1.0f);
}

TEST(CircleThroughThreePoints, CentreIsEquallyFarFromTheThreePointsInTheirPlane) {
    const Vec3 p1{3, 1, 2}, p2{-1, 4, 0}, p3{2, -2, 5};
    const auto circle = CircleThroughThreePoints(p1, p2, p3);
    ASSERT_TRUE(circle);
    for (Vec3 p : {p1, p2, p3}) {
        const Vec3 d = p - circle->centre;
        EXPECT_NEAR(std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z), circle->radius, 1e-4);
    }
    // The centre lies in the plane of the points: perpendicular to the axis from P2.
    const Vec3 d = circle->centre - p2;
    EXPECT_NEAR(d.x * circle->axis.x + d.y * circle->axis.y + d.z * circle->axis.z, 0, 1e-3);
}

TEST(CircleThroughThreePoints, OnlyAnExactlyZeroDeterminantIsRefused) {
    EXPECT_FALSE(CircleThroughThreePoints({0, 0, 0}, {1, 1, 1}, {3, 3, 3}));
    EXPECT_FALSE(CircleThroughThreePoints({2, 2, 2}, {2, 2, 2}, {5, 0, 1}));
    const auto large = CircleThroughThreePoints({0, 0, 0}, {1, 0.001f, 0}, {2, 0, 0});
    ASSERT_TRUE(large);
    EXPECT_GT(large->radius, 100.0f);
}

TEST_F(CircleConstructions, CircleThroughThreeSelectedPointsIsRecordedAndUnselectsThem) {
    AddPoints(Page(), {{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}});
    SelectAll();
    ASSERT_TRUE(AddCircleThroughThreePoints(doc));
    ASSERT_EQ(Page().m_solids.size(), 1u);
    const CSubassembly& circle = *Page().m_solids.at(1);
    EXPECT_EQ(circle.m_nKind, kSolidCircleOutline);
    EXPECT_EQ(circle.m_strName, "圆*");
    EXPECT_EQ(circle.m_direction, (Float3{0, 0, -2}));
    EXPECT_EQ(circle.m_scale, (Float3{1, 1, 1}));
    EXPECT_EQ(circle.m_nClipMode, 0u);
    EXPECT_EQ(circle.m_clipPlane2, (Plane{0, -1, 0, 0}));
    EXPECT_DOUBLE_EQ(circle.m_dShape, 0.5);
    EXPECT_TRUE(Page().m_selPoints.empty());
    EXPECT_EQ(test::RecordNames(*History().Current()),
              (std::vector<std::string>{"添加过三点的圆"}));
    History().Undo();
    EXPECT_TRUE(Page().m_solids.empty());
}

TEST_F(CircleConstructions, CollinearPointsAreRefusedAndNothingIsRecorded) {
    AddPoints(Page(), {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}});
    SelectAll();
    EXPECT_FALSE(AddCircleThroughThreePoints(doc));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"三点共线,不能确定一个圆!"}));
    EXPECT_TRUE(Page().m_solids.empty());
    EXPECT_EQ(Page().m_selPoints.size(), 3u);
    EXPECT_FALSE(History().CanUndo());
}

TEST_F(CircleConstructions, NormalOfTheUnitCircleRunsFourTimesItsStoredAxis) {
    AddPoints(Page(), {{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}});
    SelectAll();
    ASSERT_TRUE(AddCircleThroughThreePoints(doc));
    Page().m_selSolids = {1};
    ASSERT_TRUE(AddCircleNormal(doc));
    EXPECT_EQ(Page().m_nVertexCount, 5);
    ExpectPosition(Page(), 3, {0, 0, 0});
    ExpectPosition(Page(), 4, {0, 0, -8});
    ASSERT_EQ(Page().m_lines.size(), 1u);
    EXPECT_EQ(Page().m_lines.at(1)->m_nKind, 3);
    EXPECT_EQ(Page().m_lines.at(1)->m_strName, "DE");
    EXPECT_EQ(test::RecordNames(*History().Current()),
              (std::vector<std::string>{"添加圆的法线", "添加点", "添加线"}));
    History().Undo();
    EXPECT_EQ(Page().m_nVertexCount, 3);
    EXPECT_TRUE(Page().m_lines.empty());
}

TEST_F(CircleConstructions, NormalNeedsACircleAndRoomForBothEnds) {
    Page().AddSolid(std::make_unique<CSubassembly>(kSolidSphereOutline, 0, Float3{}, 0.0f,
                                                   Float3{0, 0, 1}, Float3{1, 1, 1}, 0.5, 0,
                                                   Plane{}, Plane{}));
    Page().m_selSolids = {1};
    EXPECT_FALSE(IsCircleSelected(Page()));
    EXPECT_FALSE(AddCircleNormal(doc));
    EXPECT_TRUE(messages.texts.empty());

    for (int i = 0; i < 199; ++i) {
        Page().AddVertex(static_cast<float>(i % 2), 0, static_cast<float>(i));
    }
    Page().m_selPoints = {0, 1, 198};
    ASSERT_TRUE(AddCircleThroughThreePoints(doc));
    Page().m_selSolids = {2};
    EXPECT_FALSE(AddCircleNormal(doc));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"本页顶点数已达界限,请新建一页"}));
    EXPECT_EQ(Page().m_nVertexCount, 199);
}

TEST_F(CircleConstructions, NormalNeedsAKeyForItsLineAndAddsNothingWithout) {
    AddPoints(Page(), {{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}});
    SelectAll();
    ASSERT_TRUE(AddCircleThroughThreePoints(doc));
    Page().m_selSolids = {1};
    test::TakeEveryLineKey(Page());
    const int steps = History().Count();
    EXPECT_FALSE(AddCircleNormal(doc));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"本页图元数已达界限,请新建一页"}));
    EXPECT_EQ(Page().m_nVertexCount, 3);
    EXPECT_EQ(History().Count(), steps);
}

TEST_F(CircleConstructions, MovingPointStartsOnTheCircleThroughThreePoints) {
    AddPoints(Page(), {{3, 0, 1}, {0, 3, 1}, {-3, 0, 1}});
    SelectAll();
    ASSERT_TRUE(AddCircleThroughThreePoints(doc));
    Page().m_selSolids = {1};
    ASSERT_TRUE(AddPointOnCircle(doc));
    ExpectPosition(Page(), 3, {3, 0, 1});
    EXPECT_EQ(Page().m_buttons.size(), 1u);
}

}  // namespace
}  // namespace velnor
