#include <gtest/gtest.h>

#include "gui/render_fixture.h"

namespace velnor::test {
namespace {

constexpr double kAngleX = -75.0, kAngleZ = -15.0;  // the camera at start

std::array<double, 2> Corner(const CGpage& page, int vertex) {
    const Float3& p = page.m_pos[vertex];
    return OrthoPixel({p[0], p[1], p[2]}, kAngleX, kAngleZ);
}

// Shrinks the ends of an edge a little so that neighbouring edges do not count.
double EdgeCoverage(const QImage& image, const CGpage& page, int from, int to) {
    auto a = Corner(page, from), b = Corner(page, to);
    const std::array<double, 2> a2{a[0] + 0.1 * (b[0] - a[0]), a[1] + 0.1 * (b[1] - a[1])};
    const std::array<double, 2> b2{b[0] - 0.1 * (b[0] - a[0]), b[1] - 0.1 * (b[1] - a[1])};
    return CoveredFraction(image, a2, b2, IsLineGreen);
}

TEST_F(RenderTest, DefaultCubeDrawsHiddenEdgesDashedAndVisibleEdgesSolid) {
    auto page = MakeCubePage();
    const QImage image = Render(page.get(), "cube_hidden_lines");
    // Seen from the front left and above, the edges at D (index 3) lie behind the cube.
    for (const auto& [from, to] : {std::pair{3, 0}, std::pair{3, 2}, std::pair{3, 7}}) {
        const double covered = EdgeCoverage(image, *page, from, to);
        EXPECT_GT(covered, 0.35) << "hidden edge " << from << "-" << to;
        EXPECT_LT(covered, 0.85) << "hidden edge " << from << "-" << to;
    }
    for (const auto& [from, to] : {std::pair{0, 1}, std::pair{1, 5}, std::pair{4, 5}}) {
        EXPECT_GT(EdgeCoverage(image, *page, from, to), 0.97)
            << "visible edge " << from << "-" << to;
    }
}

TEST_F(RenderTest, LabelsShowThroughFaces) {
    auto page = MakeCubePage();
    const QImage image = Render(page.get(), "cube_labels");
    // D's label stands a little beside D, inside the outline of the cube.
    const auto d = OrthoPixel({-3.8, 4.2, -3.8}, kAngleX, kAngleZ);
    EXPECT_GT(CountIn(image, static_cast<int>(d[0]) - 2, static_cast<int>(d[1]) - 28, 26, 30,
                      IsLabelMagenta),
              15);
}

TEST_F(RenderTest, HiddenVertexLabelsAreLeftOut) {
    auto page = MakeCubePage();
    for (int i = 0; i < 8; ++i) {
        page->m_bShown[i] = 0;
    }
    const QImage image = Render(page.get(), "cube_without_labels");
    EXPECT_EQ(CountIn(image, 0, 0, kWidth, kHeight, IsLabelMagenta), 0);
}

TEST_F(RenderTest, SelectedLinesAndVerticesShowInTheSelectionColour) {
    auto page = MakeCubePage();
    page->m_selLines.push_back(1);   // AB
    page->m_selPoints.push_back(6);  // G
    const QImage image = Render(page.get(), "cube_selection");
    const auto a = Corner(*page, 0), b = Corner(*page, 1);
    EXPECT_GT(CoveredFraction(image, a, b, IsSelectionRed), 0.9);
    const auto g = Corner(*page, 6);
    EXPECT_GT(CountNear(image, static_cast<int>(g[0]), static_cast<int>(g[1]), 3, IsSelectionRed),
              5);
}

TEST_F(RenderTest, FillModePaintsFacesInPaletteColours) {
    auto page = std::make_unique<CGpage>();
    page->AddVertex(-5, -5, 0);
    page->AddVertex(5, -5, 0);
    page->AddVertex(5, 5, 0);
    page->AddVertex(-5, 5, 0);
    page->AddFace(std::array<int, 4>{0, 1, 2, 3});
    page->m_bFillFaces = 1;
    page->ClearSelection();
    const QImage image = Render(page.get(), "fill_mode");
    const auto centre = OrthoPixel({1, 1, 0}, kAngleX, kAngleZ);
    const Pixel p = PixelAt(image, static_cast<int>(centre[0]), static_cast<int>(centre[1]));
    EXPECT_NEAR(p.r, 0, 3);
    EXPECT_NEAR(p.g, 0, 3);
    EXPECT_NEAR(p.b, 99, 3);
    // Fill mode draws no labels.
    EXPECT_EQ(CountIn(image, 0, 0, kWidth, kHeight, IsLabelMagenta), 0);
}

TEST_F(RenderTest, OnlySelectedFacesArePaintedInHiddenLineMode) {
    auto page = MakeCubePage();
    const auto centre = OrthoPixel({0, -4, 0}, kAngleX, kAngleZ);  // the front face ABFE
    const QImage before = Render(page.get(), "cube_no_face_selected");
    EXPECT_TRUE(IsBlack(PixelAt(before, static_cast<int>(centre[0]), static_cast<int>(centre[1]))));
    page->m_selFaces.push_back(3);
    const QImage after = Render(page.get(), "cube_face_selected");
    const Pixel p = PixelAt(after, static_cast<int>(centre[0]), static_cast<int>(centre[1]));
    EXPECT_NEAR(p.b, 99, 3);  // the first palette colour
}

TEST_F(RenderTest, HatchFillStipplesSelectedFacesInTheFillColour) {
    auto page = MakeCubePage();
    page->m_selFaces.push_back(3);
    Settings().m_nFillStipple = 1;
    const QImage image = Render(page.get(), "cube_face_hatched");
    const auto c = OrthoPixel({0, -4, 0}, kAngleX, kAngleZ);
    const auto yellow = [](Pixel p) { return p.r > 200 && p.g > 200 && p.b < 60; };
    const int lit = CountNear(image, static_cast<int>(c[0]), static_cast<int>(c[1]), 16, yellow);
    // One pixel in sixteen of the hatch pattern.
    EXPECT_GT(lit, 33 * 33 / 32);
    EXPECT_LT(lit, 33 * 33 / 8);
}

TEST_F(RenderTest, ClipPlaneOfThePageCutsTheFigure) {
    auto page = MakeCubePage();
    page->m_bClip = 1;
    page->m_clipPlane = {0, 0, 1, 0};  // keeps z >= 0
    const QImage image = Render(page.get(), "cube_clipped");
    EXPECT_LT(EdgeCoverage(image, *page, 0, 1), 0.05);  // AB at z = -4 is cut away
    EXPECT_GT(EdgeCoverage(image, *page, 4, 5), 0.97);  // EF at z = 4 stays
}

}  // namespace
}  // namespace velnor::test
