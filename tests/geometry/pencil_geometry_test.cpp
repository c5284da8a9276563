#include <gtest/gtest.h>

#include <cmath>

#include "geometry/pencil_geometry.h"

namespace velnor::test {
namespace {

TEST(PencilGeometry, CursorFollowsTheRayOntoTheLevelPlaneInTenths) {
    const MouseRay ray{{1.0, 2.0, 10.0}, {3.0, 6.0, -10.0}};  // passes (2, 4, 0)
    const auto cursor = CursorOnPlane(ray, 0.0, false);
    ASSERT_TRUE(cursor);
    EXPECT_DOUBLE_EQ((*cursor)[0], 2.0);
    EXPECT_DOUBLE_EQ((*cursor)[1], 4.0);
    const auto raised = CursorOnPlane(ray, 5.0, false);  // t = 1/4: (1.5, 3)
    EXPECT_DOUBLE_EQ((*raised)[0], 1.5);
    EXPECT_DOUBLE_EQ((*raised)[2], 5.0);
}

TEST(PencilGeometry, ShiftSnapsTheCursorToWholeUnits) {
    const MouseRay ray{{1.26, 2.74, 10.0}, {1.26, 2.74, -10.0}};
    const auto tenths = CursorOnPlane(ray, 0.0, false);
    EXPECT_DOUBLE_EQ((*tenths)[0], 1.3);
    EXPECT_DOUBLE_EQ((*tenths)[1], 2.7);
    const auto whole = CursorOnPlane(ray, 0.0, true);
    EXPECT_DOUBLE_EQ((*whole)[0], 1.0);
    EXPECT_DOUBLE_EQ((*whole)[1], 3.0);
}

TEST(PencilGeometry, ARayAlongThePlaneGivesNoCursor) {
    EXPECT_FALSE(CursorOnPlane({{0, 0, 1}, {5, 0, 1}}, 0.0, false));
}

TEST(PencilGeometry, HeightDragOfAThirdOfTheViewportRaisesByEightUnits) {
    EXPECT_DOUBLE_EQ(HeightFromDrag(600, 400, 600, 0.0, false), 8.0);
    EXPECT_DOUBLE_EQ(HeightFromDrag(600, 410, 600, 1.0, false), 8.6);
    EXPECT_DOUBLE_EQ(HeightFromDrag(600, 410, 600, 1.0, true), 9.0);
}

TEST(PencilGeometry, LineParameterIsTheFootOfTheCommonPerpendicular) {
    const MouseRay ray{{3.0, 5.0, 1.0}, {3.0, -5.0, 1.0}};
    EXPECT_NEAR(LineParameterNearRay({0, 0, 0}, {10, 0, 0}, ray), 0.3, 1e-12);
    const MouseRay parallel{{0, 1, 0}, {10, 1, 0}};
    EXPECT_TRUE(std::isfinite(LineParameterNearRay({0, 0, 0}, {10, 0, 0}, parallel)));
}

TEST(PencilGeometry, LineParameterSnapsToSimpleFractions) {
    EXPECT_DOUBLE_EQ(SnapLineParameter(0.45), 0.5);
    EXPECT_DOUBLE_EQ(SnapLineParameter(0.23), 0.25);
    EXPECT_DOUBLE_EQ(SnapLineParameter(0.77), 0.75);
    EXPECT_DOUBLE_EQ(SnapLineParameter(0.31), 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(SnapLineParameter(0.69), 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(SnapLineParameter(0.1), 0.1);
    EXPECT_DOUBLE_EQ(SnapLineParameter(0.29), 0.29);
}

TEST(PencilGeometry, TopRatioSnapsToPyramidAndPrism) {
    const Point3d a{0, 0, 0}, b{4, 0, 0}, top{0, 0, 6};
    EXPECT_EQ(TopRatio(top, {0.3, 0, 6}, a, b), 0.0);
    EXPECT_EQ(TopRatio(top, {0, 3.9, 6}, a, b), 1.0);
    EXPECT_DOUBLE_EQ(TopRatio(top, {0, 3, 9}, a, b), 0.75);  // height does not count
    EXPECT_EQ(TopRatio(top, {3, 0, 6}, a, a), 0.0);          // a base edge of no length
}

TEST(PencilGeometry, TopVertexScalesAboutTheFirstBaseVertex) {
    const Point3d v = TopVertex({1, 1, 0}, {5, 1, 0}, {1, 1, 3}, 0.5);
    EXPECT_EQ(v, (Point3d{3, 1, 3}));
}

}  // namespace
}  // namespace velnor::test
