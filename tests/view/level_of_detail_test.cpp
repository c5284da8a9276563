#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "view/level_of_detail.h"

namespace velnor {
namespace {

QMatrix4x4 Ortho(float halfWidth, float halfHeight) {
    QMatrix4x4 m;
    m.ortho(-halfWidth, halfWidth, -halfHeight, halfHeight, -100, 100);
    return m;
}

QMatrix4x4 Frustum() {
    QMatrix4x4 m;
    m.frustum(-1, 1, -1, 1, 1, 100);  // a unit at distance 1 fills half the viewport
    return m;
}

QMatrix4x4 Moved(float x, float y, float z, float sx = 1, float sy = 1, float sz = 1) {
    QMatrix4x4 m;
    m.translate(x, y, z);
    m.scale(sx, sy, sz);
    return m;
}

struct SizeCase {
    std::string name;
    QMatrix4x4 modelView, projection;
    int width, height;
    float pixels;
};

TEST(LevelOfDetailTest, MeasuresPixelsPerUnitAtTheOrigin) {
    const SizeCase cases[] = {
        {"orthographic, 20 units over 200 pixels", {}, Ortho(10, 10), 200, 200, 10},
        {"the wider of the two axes counts", {}, Ortho(10, 5), 200, 100, 10},
        {"a viewport squeezed across", {}, Ortho(10, 10), 400, 200, 20},
        {"a scaled solid, by its longest axis", Moved(3, 0, 0, 0.5f, 2, 1), Ortho(10, 10), 200, 200,
         20},
        {"orthographic ignores the distance", Moved(0, 0, -50), Ortho(10, 10), 200, 200, 10},
        {"central projection, near", Moved(0, 0, -2), Frustum(), 200, 200, 50},
        {"central projection, ten times farther", Moved(0, 0, -20), Frustum(), 200, 200, 5},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(PixelsPerUnit(c.modelView, c.projection, c.width, c.height), c.pixels, 1e-3);
    }
}

TEST(LevelOfDetailTest, WhatSurroundsTheEyeIsNeverDistant) {
    for (const float z : {0.0f, 5.0f}) {
        SCOPED_TRACE(z);
        EXPECT_TRUE(std::isinf(PixelsPerUnit(Moved(0, 0, z), Frustum(), 200, 200)));
    }
}

}  // namespace
}  // namespace velnor
