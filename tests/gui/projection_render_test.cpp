#include <gtest/gtest.h>

#include <cmath>

#include "gui/render_fixture.h"
#include "model/button_cells.h"
#include "view/projection.h"

namespace velnor::test {
namespace {

// A page with one segment from P to Q.
std::unique_ptr<CGpage> SegmentPage(const Float3& p, const Float3& q) {
    auto page = std::make_unique<CGpage>();
    page->AddVertex(p[0], p[1], p[2]);
    page->AddVertex(q[0], q[1], q[2]);
    page->AddLine(0, 1, kSegment);
    page->ClearSelection();
    return page;
}

bool GreenNear(const QImage& image, double x, double y) {
    return CountNear(image, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), 2,
                     IsLineGreen) > 0;
}

TEST_F(RenderTest, OrthographicProjectionPlacesPointsByTheCamera) {
    auto page = SegmentPage({-6, 0, 0}, {6, 0, 0});
    Settings().m_camera.m_fAngleX = 0;
    Settings().m_camera.m_fAngleAxis = 30;
    const QImage image = Render(page.get(), "projection_orthographic");
    const auto end = OrthoPixel({6, 0, 0}, 0, 30);
    EXPECT_TRUE(GreenNear(image, end[0] - 2 * std::cos(M_PI / 6), end[1] + 2 * std::sin(M_PI / 6)));
    const auto mid = OrthoPixel({3, 0, 0}, 0, 30);
    EXPECT_TRUE(GreenNear(image, mid[0], mid[1]));
    EXPECT_FALSE(GreenNear(image, mid[0], mid[1] - 40));
}

TEST_F(RenderTest, CentralProjectionShrinksWhatLiesFarther) {
    // Two equal segments, one 20 units behind the other, seen straight on.
    auto page = std::make_unique<CGpage>();
    page->AddVertex(-5, 3, 0);
    page->AddVertex(5, 3, 0);
    page->AddVertex(-5, -3, -20);
    page->AddVertex(5, -3, -20);
    page->AddLine(0, 1, kSegment);
    page->AddLine(2, 3, kSegment);
    page->ClearSelection();
    Settings().m_camera.m_fAngleX = 0;
    Settings().m_camera.m_fAngleAxis = 0;
    FrameLayout layout;
    layout.projection = kCentral;
    layout.width = kWidth;
    layout.height = kHeight;
    const QImage image = Render(page.get(), "projection_central", layout);
    // glFrustum(-5a, 5a, -5, 5, 20, 220) at depth 50: x_pixel = W/2 (1 + 20 x / (50 * 5a)).
    const double aspect = static_cast<double>(kWidth) / kHeight;
    const auto pixelX = [&](double x, double depth) {
        return kWidth / 2.0 * (1.0 + 20.0 * x / (depth * 5.0 * aspect));
    };
    const auto pixelY = [&](double y, double depth) {
        return kHeight / 2.0 * (1.0 - 20.0 * y / (depth * 5.0));
    };
    EXPECT_TRUE(GreenNear(image, pixelX(4.8, 50), pixelY(3, 50)));
    EXPECT_TRUE(GreenNear(image, pixelX(4.8, 70), pixelY(-3, 70)));
    EXPECT_FALSE(GreenNear(image, pixelX(5.5, 70), pixelY(-3, 70)));
}

TEST_F(RenderTest, ObliqueProjectionShearsDepthHalfwayAtFortyFiveDegrees) {
    // Front view (angles -90, 0): a segment running away from the eye (along world +y).
    auto page = SegmentPage({0, 0, 0}, {0, 8, 0});
    Settings().m_camera.m_fAngleX = -90;
    Settings().m_camera.m_fAngleAxis = 0;
    FrameLayout layout;
    layout.projection = kOblique;
    layout.width = kWidth;
    layout.height = kHeight;
    const QImage image = Render(page.get(), "projection_oblique", layout);
    // The oblique window of an 800 x 600 frame, with eye depth z = -50 - y.
    const double aspect = static_cast<double>(kWidth) / kHeight;
    const double l = 17.675 - 12 * aspect, r = 17.675 + 12 * aspect, b = 5.675, t = 29.675;
    const auto pixel = [&](double y) {
        const double z = -50.0 - y;
        const double x = -0.35355339 * z, yy = -0.35355339 * z;
        return std::array<double, 2>{(x - l) / (r - l) * kWidth,
                                     (1.0 - (yy - b) / (t - b)) * kHeight};
    };
    const auto near = pixel(0.5), far = pixel(7.5);
    EXPECT_TRUE(GreenNear(image, near[0], near[1]));
    EXPECT_TRUE(GreenNear(image, far[0], far[1]));
    // Receding lines go up and to the right at 45 degrees, at half their length.
    EXPECT_NEAR(far[0] - near[0], near[1] - far[1], 0.5);
    EXPECT_GT(far[0], near[0]);
    EXPECT_NEAR(std::hypot(near[0] - far[0], near[1] - far[1]), 0.5 * 7.0 * kHeight / 24.0, 1.0);
}

TEST_F(RenderTest, ObliqueMatrixHasTheShearInItsThirdColumn) {
    const auto m = ObliqueMatrix(1.0f);
    const double l = 5.675, r = 29.675;
    EXPECT_DOUBLE_EQ(m[0], 2.0 / (r - l));
    EXPECT_DOUBLE_EQ(m[8], -0.7071067811865476 / (r - l));
    EXPECT_NEAR(m[9], -0.7071067811865476 / 24.0, 1e-8);
    EXPECT_DOUBLE_EQ(m[10], -2.0 / 220.0);
    EXPECT_DOUBLE_EQ(m[14], -1.0);
    EXPECT_DOUBLE_EQ(m[15], 1.0);
    EXPECT_EQ(m[1], 0.0);
    EXPECT_EQ(m[11], 0.0);
}

TEST_F(RenderTest, ThreeViewLayoutShowsCaptionsAndThreeQuadrants) {
    auto page = MakeCubePage();
    page->m_bPerspInThreeView = 0;
    FrameLayout layout;
    layout.width = kWidth;
    layout.height = kHeight;
    layout.viewports = 4;
    const QImage image = Render(page.get(), "three_view", layout);
    const int w = kWidth / 2, h = kHeight / 2;
    // Captions near the upper left of each quadrant.
    for (const auto& [x, y] :
         {std::pair{0, 0}, std::pair{w, 0}, std::pair{0, h}, std::pair{w, h}}) {
        EXPECT_GT(CountIn(image, x + 20, y, 140, 60, IsLabelMagenta), 20) << x << "," << y;
    }
    // The cube in the first three quadrants, none in the fourth.
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{w, 0}, std::pair{0, h}}) {
        EXPECT_GT(CountIn(image, x, y, w, h, IsLineGreen), 300) << x << "," << y;
    }
    EXPECT_EQ(CountIn(image, w, h, w, h, IsLineGreen), 0);
    // The front view sees the cube as a square: its left edge is one vertical line.
    const double edgeX = w / 2.0 + (-4.0 / (12.0 * kWidth / kHeight)) * w / 2.0;
    EXPECT_GT(CoveredFraction(image, {edgeX, h / 2.0 - 30}, {edgeX, h / 2.0 + 30}, IsLineGreen),
              0.95);
}

// A page's first button sits at the upper left, where the Front caption goes: the caption moves
// below it rather than under the button's window.
TEST_F(RenderTest, ThreeViewCaptionsStayClearOfThePagesButtons) {
    auto page = MakeCubePage();
    page->m_bPerspInThreeView = 0;
    const uint16_t key = page->AddButton(std::make_unique<CBtnShow>());
    const CRect button = page->m_buttons.at(key)->m_rect;
    FrameLayout layout;
    layout.width = kWidth;
    layout.height = kHeight;
    layout.viewports = 4;
    const QImage image = Render(page.get(), "three_view_with_button", layout);
    const int handle = button.left - 10;
    EXPECT_EQ(CountIn(image, handle, button.top, button.right - handle, button.bottom - button.top,
                      IsLabelMagenta),
              0);
    EXPECT_GT(CountIn(image, 0, button.bottom, 140, 40, IsLabelMagenta), 20);
    // The other captions keep their place.
    EXPECT_GT(CountIn(image, kWidth / 2 + 20, 0, 140, 30, IsLabelMagenta), 20);
}

TEST_F(RenderTest, ThreeViewLayoutDrawsThePerspectiveQuadrantWhenThePageAsks) {
    auto page = MakeCubePage();
    FrameLayout layout;
    layout.width = kWidth;
    layout.height = kHeight;
    layout.viewports = 4;
    const QImage image = Render(page.get(), "three_view_with_perspective", layout);
    EXPECT_GT(CountIn(image, kWidth / 2, kHeight / 2, kWidth / 2, kHeight / 2, IsLineGreen), 300);
    EXPECT_EQ(Settings().m_camera.m_fAngleX, -75.0f);  // restored after the quadrants
}

TEST_F(RenderTest, AxesAreDrawnWhenShown) {
    FrameLayout layout;
    layout.width = kWidth;
    layout.height = kHeight;
    layout.showAxes = true;
    const QImage image = Render(nullptr, "axes", layout);
    const auto xEnd = OrthoPixel({8, 0, 0}, -75, -15);
    EXPECT_GT(CountNear(image, static_cast<int>(xEnd[0]), static_cast<int>(xEnd[1]), 2,
                        [](Pixel p) { return p.r > 150 && p.g < 80; }),
              0);
}

}  // namespace
}  // namespace velnor::test
