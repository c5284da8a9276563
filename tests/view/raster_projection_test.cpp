#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "view/raster_projection.h"

namespace velnor {
namespace {

QMatrix4x4 Ortho() {
    QMatrix4x4 m;
    m.ortho(-10, 10, -10, 10, -10, 10);
    return m;
}

QMatrix4x4 Frustum() {
    QMatrix4x4 m;
    m.frustum(-1, 1, -1, 1, 1, 100);
    return m;
}

struct RasterCase {
    std::string name;
    QMatrix4x4 projection;
    std::optional<QVector4D> clipPlane;
    QVector3D point;
    std::optional<RasterPoint> expected;
};

TEST(RasterProjectionTest, PlacesPointsAsRasterPositionsOrRefusesThem) {
    const QVector4D keepRight(1, 0, 0, 0);
    const RasterCase cases[] = {
        {"the middle", Ortho(), {}, {0, 0, 0}, RasterPoint{100, 50, 0.5f}},
        {"a corner, just inside", Ortho(), {}, {-10, -10, 10}, RasterPoint{0, 0, 0}},
        {"right of the volume", Ortho(), {}, {10.5f, 0, 0}, {}},
        {"beyond the far plane", Ortho(), {}, {0, 0, -10.5f}, {}},
        {"in front of the clip plane", Ortho(), keepRight, {5, 0, 0}, RasterPoint{150, 50, 0.5f}},
        {"behind the clip plane", Ortho(), keepRight, {-5, 0, 0}, {}},
        {"ahead of the eye", Frustum(), {}, {0.5f, 0, -2}, RasterPoint{125, 50, 0.0f}},
        {"before the near plane", Frustum(), {}, {0, 0, -0.5f}, {}},
        {"behind the eye", Frustum(), {}, {0, 0, 2}, {}},
        {"at the eye", Frustum(), {}, {0, 0, 0}, {}},
    };
    for (const RasterCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RasterProjection raster({}, c.projection, 200, 100, c.clipPlane);
        const auto at = raster.Position(c.point);
        ASSERT_EQ(at.has_value(), c.expected.has_value());
        if (at) {
            EXPECT_NEAR(at->x, c.expected->x, 1e-3);
            EXPECT_NEAR(at->y, c.expected->y, 1e-3);
            if (c.projection == Ortho()) {
                EXPECT_NEAR(at->z, c.expected->z, 1e-3);
            }
        }
    }
}

}  // namespace
}  // namespace velnor
