#include <gtest/gtest.h>

#include <cmath>

#include "editing/editing_fixture.h"
#include "editing/sphere_commands.h"
#include "editing/sphere_latitude_longitude.h"
#include "figure_checks.h"
#include "geometry/sphere_constructions.h"
#include "page_builder.h"
#include "support/page_equality.h"

namespace velnor {
namespace {

using test::ExpectPosition;
using test::RecordNames;

constexpr const char* kNotUpright = "请修改属性使之方向向上且不能为椭球，然后再添加";

class SphereConstructions : public test::EditingTest {
protected:
    // A sphere outline at `centre`, selected.
    void SelectSphere(Float3 centre, float radius, Float3 axis = {0, 0, 1}, float zScale = 0.0f) {
        const Float3 scale{radius, radius, zScale == 0.0f ? radius : zScale};
        const uint16_t key = Page().AddSolid(
            std::make_unique<CSubassembly>(kSolidSphereOutline, 0, centre, 0.0f, axis, scale, 0.5,
                                           0, Plane{0, 0, 1, 0}, Plane{0, -1, 0, 0}));
        Page().m_selSolids = {key};
    }

    const CSubassembly& Solid(uint16_t key) { return *Page().m_solids.at(key); }
};

TEST_F(SphereConstructions, GeometricSphereHasItsOutlineThreeCirclesAndTheTriangleOOPrimeA) {
    Page().m_chNextLabel = 'A';
    ASSERT_TRUE(AddGeometricSphereFigure(doc, {1, 2, 3}, 8));
    ASSERT_EQ(Page().m_solids.size(), 4u);
    EXPECT_EQ(Solid(1).m_nKind, kSolidSphereOutline);
    EXPECT_EQ(Solid(1).m_strName, "球面*");
    EXPECT_EQ(Solid(1).m_direction, (Float3{0, 0, 1}));
    EXPECT_EQ(Solid(1).m_scale, (Float3{8, 8, 8}));
    EXPECT_EQ(Solid(2).m_nKind, kSolidCircleOutline);
    EXPECT_EQ(Solid(2).m_direction, (Float3{1, 0, 0}));
    EXPECT_EQ(Solid(3).m_direction, (Float3{0, 0, 1}));
    EXPECT_EQ(Solid(3).m_position, (Float3{1, 2, 3}));
    const float height = static_cast<float>(8 / std::sqrt(3.0));
    const float parallel = static_cast<float>(8 * std::sqrt(6.0) / 3);
    EXPECT_NEAR(Solid(4).m_position[2], 3 + height, 1e-5);
    EXPECT_NEAR(Solid(4).m_scale[0], parallel, 1e-5);

    EXPECT_EQ(test::Labels(Page()), (std::vector<std::string>{"O", "O'", "A"}));
    ExpectPosition(Page(), 0, {1, 2, 3});
    ExpectPosition(Page(), 1, {1, 2, 3 + 4.6188f}, 1e-4);
    ExpectPosition(Page(), 2, {1, 2 - 6.5320f, 3 + 4.6188f}, 1e-4);
    // OO'A has its right angle at O', and OA is the sphere's radius.
    EXPECT_NEAR(test::Norm(test::Minus(test::At(Page(), 2), test::At(Page(), 0))), 8, 1e-5);
    EXPECT_EQ(Page().m_bShown[2], 1);
    EXPECT_EQ(Page().m_lines.at(1)->m_strName, "OO'");
    EXPECT_EQ(Page().m_lines.at(3)->m_strName, "AO");
    EXPECT_EQ(Page().m_faces.at(1)->m_strName, "OO'A");
    EXPECT_EQ(Page().m_chNextLabel, 'B');
    EXPECT_TRUE(Page().m_selPoints.empty());
    EXPECT_EQ(RecordNames(*History().Current()),
              (std::vector<std::string>{"添加几何球体", "添加组件", "添加点", "添加线", "添加面"}));
}

TEST_F(SphereConstructions, GeometricSphereLeavesALaterLabelLetterAsItIs) {
    Page().m_chNextLabel = 'F';
    ASSERT_TRUE(AddGeometricSphereFigure(doc, {}, 2));
    EXPECT_EQ(Page().m_chNextLabel, 'F');
}

TEST_F(SphereConstructions, AxisRunsFromTheNorthPoleToTheSouthPole) {
    SelectSphere({1, 2, 3}, 4);
    ASSERT_TRUE(AddSphereAxis(doc));
    ExpectPosition(Page(), 0, {1, 2, 7});
    ExpectPosition(Page(), 1, {1, 2, -1});
    ASSERT_EQ(Page().m_lines.size(), 1u);
    EXPECT_EQ(Page().m_lines.at(1)->m_nStart, 0);
    EXPECT_EQ(Page().m_lines.at(1)->m_nKind, 0);
    EXPECT_EQ(RecordNames(*History().Current()),
              (std::vector<std::string>{"添加极点、球轴", "添加球的极点", "添加球轴"}));
    History().Undo();
    EXPECT_EQ(Page().m_nVertexCount, 0);
    EXPECT_TRUE(Page().m_lines.empty());
}

TEST_F(SphereConstructions, AxisNeedsAKeyForItsLineAndAddsNothingWithout) {
    SelectSphere({1, 2, 3}, 4);
    test::TakeEveryLineKey(Page());
    EXPECT_FALSE(AddSphereAxis(doc));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"本页图元数已达界限,请新建一页"});
    EXPECT_EQ(Page().m_nVertexCount, 0);
    EXPECT_FALSE(History().CanUndo());
}

TEST_F(SphereConstructions, TurnedOrStretchedSpheresRefuseAxisAndLatitude) {
    SelectSphere({}, 4, {0.1f, 0, 1});
    EXPECT_FALSE(AddSphereAxis(doc));
    EXPECT_FALSE(CanAskLatitudeLongitude(Page()));
    EXPECT_FALSE(AddLatitudeLongitude(doc, {}));
    SelectSphere({}, 4, {0, 0, 1}, 5);
    EXPECT_FALSE(AddSphereAxis(doc));
    EXPECT_EQ(messages.texts, std::vector<std::string>(4, kNotUpright));
    EXPECT_EQ(Page().m_nVertexCount, 0);
    EXPECT_EQ(Page().m_solids.size(), 2u);
    EXPECT_FALSE(History().CanUndo());
}

TEST_F(SphereConstructions, LatitudeAndLongitudeGivePointParallelAndHalfMeridian) {
    SelectSphere({1, 2, 3}, 10);
    ASSERT_TRUE(CanAskLatitudeLongitude(Page()));
    const auto before = test::CopyPage(Page());
    ASSERT_TRUE(AddLatitudeLongitude(doc, {}));

    const double rho = 10 * std::cos(M_PI / 4);
    const Float3 p{static_cast<float>(1 + rho * std::cos(-2 * M_PI / 3)),
                   static_cast<float>(2 + rho * std::sin(-2 * M_PI / 3)),
                   static_cast<float>(3 + rho)};
    ExpectPosition(Page(), 0, p, 1e-4);
    ASSERT_EQ(Page().m_solids.size(), 3u);
    const CSubassembly& parallel = Solid(2);
    EXPECT_EQ(parallel.m_nKind, kSolidCircleOutline);
    EXPECT_NEAR(parallel.m_position[2], p[2], 1e-5);
    EXPECT_EQ(parallel.m_direction, (Float3{0, 0, 1}));
    EXPECT_NEAR(parallel.m_scale[0], rho, 1e-4);
    EXPECT_EQ(parallel.m_nClipMode, 0u);

    const CSubassembly& meridian = Solid(3);
    EXPECT_EQ(meridian.m_position, (Float3{1, 2, 3}));
    EXPECT_NEAR(meridian.m_direction[0], 2 - p[1], 1e-5);
    EXPECT_NEAR(meridian.m_direction[1], p[0] - 1, 1e-5);
    EXPECT_EQ(meridian.m_scale, (Float3{10, 10, 10}));
    EXPECT_EQ(meridian.m_nClipMode, 1u);
    EXPECT_EQ(meridian.m_clipPlane2, (Plane{0, -1, 0, 0}));

    EXPECT_EQ(RecordNames(*History().Current()),
              (std::vector<std::string>{"添加球上的点及经纬线", "添加球上的点", "添加球的经纬线"}));
    History().Undo();
    EXPECT_TRUE(test::PagesEqual(*before, Page(), {.labelCounters = false}));
}

// World point → the meridian's own frame, where its clip plane is read: the frame is turned so
// that +z runs along the circle's direction, by the angle acos(dz / |d|) about (−dy, dx, 0).
double ClipSide(const CSubassembly& circle, test::D3 world) {
    const test::D3 d{circle.m_direction[0], circle.m_direction[1], circle.m_direction[2]};
    const test::D3 v =
        test::Minus(world, {circle.m_position[0], circle.m_position[1], circle.m_position[2]});
    const double angle = -std::acos(d[2] / test::Norm(d));
    const test::D3 axis{-d[1] / std::hypot(d[0], d[1]), d[0] / std::hypot(d[0], d[1]), 0};
    const test::D3 kv = test::CrossOf(axis, v);
    const double kd = test::DotOf(axis, v);
    test::D3 local;
    for (int i = 0; i < 3; ++i) {
        local[i] =
            v[i] * std::cos(angle) + kv[i] * std::sin(angle) + axis[i] * kd * (1 - std::cos(angle));
    }
    const Plane& plane = circle.m_clipPlane1;
    return plane[0] * local[0] + plane[1] * local[1] + plane[2] * local[2] + plane[3];
}

TEST_F(SphereConstructions, MeridianClipKeepsTheHalfThroughThePointFromPoleToPole) {
    for (Float3 centre : {Float3{0, 0, 0}, Float3{5, -3, 2}}) {
        Page().Clear();
        SelectSphere(centre, 6);
        ASSERT_TRUE(AddLatitudeLongitude(doc, {.latitude = 30, .longitude = 50}));
        const CSubassembly& meridian = Solid(3);
        const test::D3 c{centre[0], centre[1], centre[2]};
        const test::D3 p = test::At(Page(), 0);
        const test::D3 mirrored{2 * c[0] - p[0], 2 * c[1] - p[1], p[2]};
        EXPECT_GT(ClipSide(meridian, p), 1.0);
        EXPECT_LT(ClipSide(meridian, mirrored), -1.0);
        EXPECT_NEAR(ClipSide(meridian, {c[0], c[1], c[2] + 6}), 0, 1e-4);
        EXPECT_NEAR(ClipSide(meridian, {c[0], c[1], c[2] - 6}), 0, 1e-4);
    }
}

TEST_F(SphereConstructions, EachChoiceOfTheDialogHasItsOwnRecord) {
    SelectSphere({}, 5);
    ASSERT_TRUE(AddLatitudeLongitude(doc, {.parallel = false, .point = false}));
    EXPECT_EQ(RecordNames(*History().Current()), (std::vector<std::string>{"添加球的经线"}));
    ASSERT_TRUE(AddLatitudeLongitude(doc, {.meridian = false, .point = false}));
    EXPECT_EQ(RecordNames(*History().Current()), (std::vector<std::string>{"添加球的纬圆"}));
    ASSERT_TRUE(AddLatitudeLongitude(doc, {.parallel = false, .meridian = false}));
    EXPECT_EQ(RecordNames(*History().Current()), (std::vector<std::string>{"添加球上的点"}));
    ASSERT_TRUE(AddLatitudeLongitude(doc, {.parallel = false}));
    EXPECT_EQ(RecordNames(*History().Current()),
              (std::vector<std::string>{"添加球上的点及经纬线", "添加球上的点", "添加球的经线"}));
    EXPECT_EQ(History().Count(), 4);
    EXPECT_FALSE(AddLatitudeLongitude(doc, {.parallel = false, .meridian = false, .point = false}));
    EXPECT_EQ(History().Count(), 4);
}

TEST_F(SphereConstructions, LatitudeNinetyPutsThePointOnTheNorthPole) {
    SelectSphere({0, 0, 1}, 5);
    ASSERT_TRUE(AddLatitudeLongitude(doc, {.latitude = 90}));
    ExpectPosition(Page(), 0, {0, 0, 6});
    EXPECT_NEAR(Solid(2).m_scale[0], 0, 1e-5);
    EXPECT_NEAR(Solid(2).m_position[2], 6, 1e-6);
}

TEST_F(SphereConstructions, FullPageAddsNeitherPointNorCircles) {
    for (int i = 0; i < 200; ++i) {
        Page().AddVertex(0, 0, 0);
    }
    SelectSphere({}, 5);
    EXPECT_FALSE(AddLatitudeLongitude(doc, {}));
    EXPECT_EQ(Page().m_solids.size(), 1u);
    EXPECT_FALSE(History().CanUndo());
    EXPECT_FALSE(AddSphereAxis(doc));
    EXPECT_EQ(messages.texts, std::vector<std::string>(2, "本页顶点数已达界限,请新建一页"));
}

}  // namespace
}  // namespace velnor
