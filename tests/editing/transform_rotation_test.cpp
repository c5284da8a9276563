#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "editing/transform_rotation.h"

namespace velnor {
namespace {

using Vec = std::array<double, 3>;

constexpr double kTolerance = 1e-5;

void ExpectNear(const Float3& actual, const Vec& expected) {
    EXPECT_NEAR(actual[0], expected[0], kTolerance);
    EXPECT_NEAR(actual[1], expected[1], kTolerance);
    EXPECT_NEAR(actual[2], expected[2], kTolerance);
}

// Rodrigues' formula, to check the matrix against.
Vec RotateAbout(const Vec& v, const Vec& k, double degrees) {
    const double a = degrees * M_PI / 180.0;
    const double dot = k[0] * v[0] + k[1] * v[1] + k[2] * v[2];
    const Vec cross{k[1] * v[2] - k[2] * v[1], k[2] * v[0] - k[0] * v[2],
                    k[0] * v[1] - k[1] * v[0]};
    Vec out{};
    for (int i = 0; i < 3; ++i) {
        out[i] = v[i] * std::cos(a) + cross[i] * std::sin(a) + k[i] * dot * (1 - std::cos(a));
    }
    return out;
}

// The solid's own x axis in the world, placed as the drawing places it: +z turned onto the
// direction about (-dy, dx, 0), after the spin about z.
Vec OwnXAxis(const CSubassembly& solid) {
    const Vec d{solid.m_direction[0], solid.m_direction[1], solid.m_direction[2]};
    const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    const double spin = solid.m_fSpin * M_PI / 180.0;
    Vec x{std::cos(spin), std::sin(spin), 0};
    const double h = std::hypot(d[0], d[1]);
    if (h > 0) {
        const double tilt = std::acos(d[2] / length) * 180.0 / M_PI;
        x = RotateAbout(x, {-d[1] / h, d[0] / h, 0}, tilt);
    }
    return x;
}

TEST(Rotation, InitialDefinitionsTurnXOntoMinusZ) {
    const Rotation turn({0, 0, 0}, {0, 1, 0}, 90.0f);
    ExpectNear(turn.Apply(Float3{1, 0, 0}), {0, 0, -1});
}

TEST(Rotation, TurnsAboutAnAxisThroughItsPoint) {
    const Rotation turn({1, 1, 0}, {0, 0, 1}, 90.0f);
    // (1, 2, 3) - (1, 1, 0) = (0, 1, 3), turned to (-1, 0, 3), plus (1, 1, 0).
    ExpectNear(turn.Apply(Float3{1, 2, 3}), {0, 1, 3});
}

TEST(Rotation, MatchesRodriguesForAnObliqueAxis) {
    const Vec k{0.6, 0.0, 0.8};
    const Rotation turn({0, 0, 0}, {0.6f, 0.0f, 0.8f}, 50.0f);
    ExpectNear(turn.Apply(Float3{1, 2, 3}), RotateAbout({1, 2, 3}, k, 50.0));
}

TEST(RotationOfSolids, UprightSolidAboutZKeepsDirectionAndGainsSpin) {
    CSubassembly solid;
    solid.m_direction = {0, 0, 1};
    solid.m_fSpin = 10.0f;
    solid.m_position = {1, 0, 0};
    Rotation({0, 0, 0}, {0, 0, 1}, 90.0f).Apply(solid);
    ExpectNear(solid.m_direction, {0, 0, 1});
    EXPECT_NEAR(solid.m_fSpin, 100.0f, 1e-4);
    ExpectNear(solid.m_position, {0, 1, 0});
}

TEST(RotationOfSolids, OwnFrameTurnsWithTheFigure) {
    const Vec k{0.6, 0.0, 0.8};
    for (const Float3& direction : {Float3{1, 2, 3}, Float3{1, 0, 0}, Float3{0, -1, 0.5f}}) {
        CSubassembly solid;
        solid.m_direction = direction;
        solid.m_fSpin = 30.0f;
        const Vec expectedX = RotateAbout(OwnXAxis(solid), k, 50.0);
        const Vec expectedDir = RotateAbout({direction[0], direction[1], direction[2]}, k, 50.0);
        Rotation({0, 0, 0}, {0.6f, 0.0f, 0.8f}, 50.0f).Apply(solid);
        ExpectNear(solid.m_direction, expectedDir);
        const Vec x = OwnXAxis(solid);
        EXPECT_NEAR(x[0], expectedX[0], 1e-4);
        EXPECT_NEAR(x[1], expectedX[1], 1e-4);
        EXPECT_NEAR(x[2], expectedX[2], 1e-4);
    }
}

TEST(RotationOfSolids, UpsideDownSolidAboutZSpinsTheOtherWay) {
    // Turned upside down, the solid's own y axis points along -y, so a turn of the figure
    // is a spin backwards.
    CSubassembly solid;
    solid.m_direction = {0, 0, -1};
    Rotation({0, 0, 0}, {0, 0, 1}, 45.0f).Apply(solid);
    EXPECT_NEAR(solid.m_fSpin, -45.0f, 1e-4);
    ExpectNear(solid.m_direction, {0, 0, -1});
}

}  // namespace
}  // namespace velnor
