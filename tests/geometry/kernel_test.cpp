#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry/kernel.h"
#include "geometry/tolerances.h"

namespace velnor {
namespace {

TEST(KernelConstants, TolerancesAndPiHaveTheirSharedValues) {
    EXPECT_EQ(kEpsConstruct, 0.0001);
    EXPECT_EQ(kEpsOnOff, 0.001);
    EXPECT_EQ(kEpsCoplanar, 0.01);
    EXPECT_EQ(kPi, 3.14159265359);
    EXPECT_TRUE(Exceeds(-0.0011f, kEpsOnOff));
    EXPECT_FALSE(Exceeds(0.001f, 0.001f));  // equal is not beyond
}

TEST(KernelFaces, TopFaceListedCounterClockwiseHasADownwardNormal) {
    // D1 A1 B1 C1 of a cube seen from above.
    const Vec3 n = FaceNormal({0, 1, 1}, {0, 0, 1}, {1, 0, 1});
    EXPECT_EQ(n.x, 0.0f);
    EXPECT_EQ(n.y, 0.0f);
    EXPECT_LT(n.z, 0.0f);
}

TEST(KernelFaces, PlaneGoesThroughAllThreeCorners) {
    const Vec3 a{2, 0, 0}, b{0, 0, 2}, c{0, 1, 2};
    const PlaneEquation plane = FacePlane(a, b, c);
    for (Vec3 p : {a, b, c}) {
        EXPECT_FLOAT_EQ(Dot(plane.n, p) + plane.d, 0.0f);
    }
    // (a − b) × (c − b) = (2, 0, −2) × (0, 1, 0) = (2, 0, 2).
    EXPECT_FLOAT_EQ(plane.n.x, 2.0f);
    EXPECT_FLOAT_EQ(plane.n.y, 0.0f);
    EXPECT_FLOAT_EQ(plane.n.z, 2.0f);
    EXPECT_FLOAT_EQ(plane.d, -4.0f);
}

TEST(KernelDistances, PointLineAndPointPlane) {
    EXPECT_FLOAT_EQ(DistancePointLine({3, 4, 7}, {0, 0, 7}, {0, 0, 9}), 5.0f);
    EXPECT_FLOAT_EQ(DistancePointLine({-6, 1, 1}, {0, 1, 1}, {2, 1, 1}), 0.0f);
    const PlaneEquation z2{{0, 0, 3}, -6};  // 3z − 6 = 0, the plane z = 2
    EXPECT_FLOAT_EQ(DistancePointPlane({5, 5, -1}, z2), 3.0f);
}

TEST(KernelDistances, PointOnLineVerdictFlipsBetweenNineAndElevenTenThousandths) {
    const Vec3 a{0, 0, 0}, b{1, 0, 0};
    const float near = DistancePointLine({0.5f, 0.0009f, 0}, a, b);
    const float far = DistancePointLine({0.5f, 0.0011f, 0}, a, b);
    EXPECT_NEAR(near, 0.0009, 1e-7);
    EXPECT_NEAR(far, 0.0011, 1e-7);
    EXPECT_FALSE(Exceeds(near, kEpsOnOff));
    EXPECT_TRUE(Exceeds(far, kEpsOnOff));
}

TEST(KernelAngles, DegreesUseTheTwelveDigitPiAndNeverLeaveTheValidRange) {
    EXPECT_NEAR(AngleDegrees(0.5f), std::acos(0.5) * 180 / 3.14159265359, 1e-4);
    EXPECT_EQ(AngleDegrees(1.0000001f), 0.0f);
    EXPECT_NEAR(AngleDegrees(-1.0000001f), 180.0, 1e-3);
    EXPECT_NEAR(AngleAtVertex({1, 0, 0}, {0, 0, 0}, {-1, 0, 0}), 180.0, 1e-3);
    EXPECT_NEAR(AngleAtVertex({1, 0, 0}, {0, 0, 0}, {1, 1, 0}), 45.0, 1e-4);
}

TEST(KernelAreas, SquareFanAreaIsItsSideSquaredAndPerimeterFourSides) {
    const std::vector<Vec3> square{{0, 0, 0}, {3, 0, 0}, {3, 3, 0}, {0, 3, 0}};
    const AreaAndPerimeter m = FanArea(square);
    EXPECT_FLOAT_EQ(m.area, 9.0f);
    EXPECT_FLOAT_EQ(m.perimeter, 12.0f);
}

TEST(KernelAreas, HexagonFanAreaAndHeronOfARightTriangle) {
    std::vector<Vec3> hexagon;
    for (int i = 0; i < 6; ++i) {
        const double t = i * 3.14159265358979 / 3;
        hexagon.push_back({float(std::cos(t)), float(std::sin(t)), 0});
    }
    const AreaAndPerimeter m = FanArea(hexagon);
    EXPECT_NEAR(m.area, 3 * std::sqrt(3.0) / 2, 1e-5);
    EXPECT_NEAR(m.perimeter, 6.0, 1e-5);
    EXPECT_FLOAT_EQ(HeronArea(3, 4, 5), 6.0f);
}

TEST(KernelVolumes, UnitCornerTetrahedronIsOneSixth) {
    EXPECT_FLOAT_EQ(TetraVolume({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}), 1.0f / 6.0f);
    // Orientation does not matter.
    EXPECT_FLOAT_EQ(TetraVolume({0, 0, 0}, {0, 1, 0}, {1, 0, 0}, {0, 0, 2}), 2.0f / 6.0f);
}

TEST(KernelDegenerate, ZeroLengthDirectionsGiveZeroNotInvalidNumbers) {
    const Vec3 a{1, 1, 1};
    EXPECT_EQ(DistancePointLine({5, 0, 0}, a, a), 0.0f);
    EXPECT_EQ(DistancePointPlane({5, 0, 0}, FacePlane({0, 0, 0}, {1, 1, 1}, {2, 2, 2})), 0.0f);
    EXPECT_EQ(AngleAtVertex(a, a, {3, 0, 0}), 0.0f);
    // These three collinear corners round to a negative Heron product.
    const float t = 82 * 0.037f;
    const std::vector<Vec3> flat{
        {0, 0, 0}, {0.3f * t, 0.7f * t, 1.1f * t}, {0.9f * t, 2.1f * t, 3.3f * t}};
    EXPECT_EQ(FanArea(flat).area, 0.0f);
    EXPECT_EQ(GuardedQuotient(1e30f, 1e-30f), 0.0f);
}

}  // namespace
}  // namespace velnor
