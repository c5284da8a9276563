#include <gtest/gtest.h>

#include "gui/render_fixture.h"

namespace velnor::test {
namespace {

std::unique_ptr<CGpage> VectorPage(uint8_t kind, const Float3& from, const Float3& to) {
    auto page = std::make_unique<CGpage>();
    page->AddVertex(from[0], from[1], from[2]);
    page->AddVertex(to[0], to[1], to[2]);
    page->AddLine(0, 1, kind);
    page->ClearSelection();
    for (int i = 0; i < 2; ++i) {
        page->m_bShown[i] = 0;
    }
    return page;
}

constexpr double kScale = 600.0 / 24.0;  // pixels per unit, seen from the top

int GreenAround(const QImage& image, double x, double y, int radius = 2) {
    return CountNear(image, static_cast<int>(kWidth / 2 + x * kScale),
                     static_cast<int>(kHeight / 2 - y * kScale), radius, IsLineGreen);
}

class VectorRenderTest : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        Settings().m_camera.m_fAngleX = 0;
        Settings().m_camera.m_fAngleAxis = 0;
    }
};

TEST_F(VectorRenderTest, ArrowHeadSitsAtTheEndAndPointsAlongTheVector) {
    auto page = VectorPage(kVector, {-6, 0, 0}, {6, 0, 0});
    const QImage image = Render(page.get(), "vector_right");
    // The head is one unit long and 0.15 wide each side: wide just behind the tip, nothing beyond.
    EXPECT_GT(GreenAround(image, 5.2, 0.1, 0), 0);
    EXPECT_GT(GreenAround(image, 5.2, -0.1, 0), 0);
    EXPECT_EQ(GreenAround(image, -5.2, 0.12, 0), 0);
    EXPECT_EQ(GreenAround(image, 6.4, 0, 2), 0);
}

TEST_F(VectorRenderTest, ReversedVectorPointsTheOtherWay) {
    auto page = VectorPage(kVector, {-6, 0, 0}, {6, 0, 0});
    page->m_lines.begin()->second->Reverse();
    const QImage image = Render(page.get(), "vector_left");
    EXPECT_GT(GreenAround(image, -5.2, 0.1, 0), 0);
    EXPECT_EQ(GreenAround(image, 5.2, 0.12, 0), 0);
}

TEST_F(VectorRenderTest, VectorAlongMinusZIsTurnedOver) {
    // Seen from the front, a vector pointing down the z axis has its head at the bottom.
    auto page = VectorPage(kVector, {0, 0, 6}, {0, 0, -6});
    Settings().m_camera.m_fAngleX = -90;
    const QImage image = Render(page.get(), "vector_down");
    EXPECT_GT(GreenAround(image, 0.1, -5.2, 0), 0);
    EXPECT_EQ(GreenAround(image, 0.12, 5.2, 0), 0);
}

TEST_F(VectorRenderTest, RayRunsFromItsStartThroughItsEndToTheEdge) {
    auto page = VectorPage(kRay, {-2, 0, 0}, {2, 0, 0});
    const QImage image = Render(page.get(), "ray");
    EXPECT_GT(GreenAround(image, 15, 0), 0);
    EXPECT_EQ(GreenAround(image, -6, 0), 0);
}

TEST_F(VectorRenderTest, LineRunsBothWaysToTheEdges) {
    auto page = VectorPage(kStraightLine, {-2, 0, 0}, {2, 0, 0});
    const QImage image = Render(page.get(), "straight_line");
    EXPECT_GT(GreenAround(image, 15, 0), 0);
    EXPECT_GT(GreenAround(image, -15, 0), 0);
}

TEST_F(VectorRenderTest, SegmentStopsAtItsEnds) {
    auto page = VectorPage(kSegment, {-2, 0, 0}, {2, 0, 0});
    const QImage image = Render(page.get(), "segment");
    EXPECT_GT(GreenAround(image, 1.5, 0), 0);
    EXPECT_EQ(GreenAround(image, 3, 0), 0);
}

}  // namespace
}  // namespace velnor::test
