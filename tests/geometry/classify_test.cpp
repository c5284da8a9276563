#include <gtest/gtest.h>

#include <cmath>

#include "geometry/classify.h"

namespace velnor {
namespace {

TEST(ClassifyLines, TwoHundredthsApartTheyAreSkewAtRightAngles) {
    const LinesVerdict v = ClassifyLines({0, 0, 0}, {1, 0, 0}, {0, 0, 0.02f}, {0, 1, 0.02f});
    EXPECT_EQ(v.relation, LinesRelation::kSkew);
    EXPECT_NEAR(v.distance, 0.02, 1e-7);
    EXPECT_NEAR(v.angle, 90.0, 1e-4);
}

TEST(ClassifyLines, FiveThousandthsApartTheyCountAsIntersecting) {
    const LinesVerdict v = ClassifyLines({0, 0, 0}, {1, 0, 0}, {0, 0, 0.005f}, {0, 1, 0.005f});
    EXPECT_EQ(v.relation, LinesRelation::kIntersecting);
    EXPECT_EQ(v.distance, 0.0f);
    EXPECT_NEAR(v.angle, 90.0, 1e-4);
}

TEST(ClassifyLines, NearlyParallelDirectionsCountAsParallel) {
    const LinesVerdict v = ClassifyLines({0, 0, 0}, {1, 0, 0}, {0, 2, 0}, {1, 2.0005f, 0});
    EXPECT_EQ(v.relation, LinesRelation::kParallel);
    EXPECT_NEAR(v.distance, 2.0, 1e-6);
    EXPECT_EQ(v.angle, 0.0f);
}

TEST(ClassifyLines, SameTwoPointsInOppositeOrderCoincide) {
    const LinesVerdict v = ClassifyLines({1, 2, 3}, {4, 6, 3}, {4, 6, 3}, {1, 2, 3});
    EXPECT_EQ(v.relation, LinesRelation::kCoincident);
    EXPECT_EQ(v.distance, 0.0f);
    EXPECT_EQ(v.angle, 0.0f);
}

TEST(ClassifyLines, IntersectingAtSixtyDegreesReportsTheAbsoluteCosine) {
    // Direction (−1, √3, 0) makes 120 degrees with +x; between lines that is 60.
    const LinesVerdict v =
        ClassifyLines({0, 0, 0}, {2, 0, 0}, {1, 0, 0}, {0, float(std::sqrt(3.0)), 0});
    EXPECT_EQ(v.relation, LinesRelation::kIntersecting);
    EXPECT_NEAR(v.angle, 60.0, 1e-3);
    EXPECT_NEAR(v.cosine, 0.5, 1e-6);
}

TEST(ClassifyLinePlane, MeetingAtThirtyDegrees) {
    // The plane z = 0 and a line rising 1 over √3.
    const PlaneEquation ground{{0, 0, 1}, 0};
    const LinePlaneVerdict v = ClassifyLinePlane({0, 0, 0}, {float(std::sqrt(3.0)), 0, 1}, ground);
    EXPECT_EQ(v.relation, LinePlaneRelation::kMeets);
    EXPECT_NEAR(v.angle, 30.0, 1e-3);
    EXPECT_NEAR(v.cosine, std::sqrt(3.0) / 2, 1e-6);
}

TEST(ClassifyLinePlane, ParallelUsesTheUnnormalisedResidual) {
    // Normal of length 100: the residual 0.05 exceeds the tolerance, the distance 0.0005 would not.
    const PlaneEquation plane{{0, 0, 100}, 0};
    const LinePlaneVerdict v = ClassifyLinePlane({0, 0, 0.0005f}, {1, 0, 0.0005f}, plane);
    EXPECT_EQ(v.relation, LinePlaneRelation::kParallel);
    EXPECT_NEAR(v.distance, 0.0005, 1e-8);

    EXPECT_EQ(ClassifyLinePlane({0, 0, 0}, {1, 1, 0}, plane).relation, LinePlaneRelation::kInPlane);
}

TEST(ClassifyPlanes, PerpendicularParallelAndCoincident) {
    const PlaneEquation bottom{{0, 0, 1}, 0};
    const PlaneEquation top{{0, 0, -2}, 2};  // −2z + 2 = 0, the plane z = 1
    const PlaneEquation side{{1, 0, 0}, 0};

    const PlanesVerdict across = ClassifyPlanes(bottom, side, {0, 0, 0});
    EXPECT_EQ(across.relation, PlanesRelation::kIntersecting);
    EXPECT_NEAR(across.angle, 90.0, 1e-4);

    const PlanesVerdict apart = ClassifyPlanes(bottom, top, {0, 0, 1});
    EXPECT_EQ(apart.relation, PlanesRelation::kParallel);
    EXPECT_FLOAT_EQ(apart.distance, 1.0f);

    const PlaneEquation bottomScaled{{0, 0, -3}, 0};
    EXPECT_EQ(ClassifyPlanes(bottom, bottomScaled, {5, 5, 0}).relation,
              PlanesRelation::kCoincident);
}

}  // namespace
}  // namespace velnor
