#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "buttons/button_press.h"
#include "buttons/button_tick.h"
#include "editing/editing_fixture.h"
#include "editing/section_animation.h"
#include "geometry/kernel.h"
#include "support/page_equality.h"

namespace velnor::test {
namespace {

constexpr float kEdge = 6.0f;
const float kRoot3 = std::sqrt(3.0f);

// The section of the cube [0, a]³ by x + y + z = h: the corner triangle of legs h (side h√2)
// while h < a; from a to 2a that triangle less the three triangles of legs h − a cut off beyond
// the faces x = a, y = a, z = a, a hexagon; beyond 2a the triangle of legs 3a − h at the far
// corner. An equilateral triangle of side s√2 has area (√3/2)s².
double DiagonalSectionArea(double h) {
    const double a = kEdge;
    const double corner = std::sqrt(3.0) / 2.0;
    if (h <= a) {
        return corner * h * h;
    }
    if (h <= 2 * a) {
        return corner * (h * h - 3 * (h - a) * (h - a));
    }
    return corner * (3 * a - h) * (3 * a - h);
}

// Planes x + y + z = h are apart by a distance of (h' − h)/√3.
struct DiagonalCase {
    const char* name;
    float firstH;  // the three points that fix the first plane lie on the axes at firstH
    float hStep;   // between neighbouring planes, as a spacing of hStep/√3
    int count;
    std::vector<float> sectionH;  // the planes that meet the cube in a polygon, in order
    std::vector<int> corners;     // of their sections
};

void PrintTo(const DiagonalCase& c, std::ostream* os) {
    *os << c.name;
}

const DiagonalCase kDiagonalCases[] = {
    {"from the near corner into the cube, the last plane outside",
     1,
     3,
     7,
     {1, 4, 7, 10, 13, 16},
     {3, 3, 6, 6, 3, 3}},
    {"from the far corner, turned towards the cube", 17, 3, 4, {17, 14, 11, 8}, {3, 3, 6, 6}},
    {"a negative spacing runs away from the larger part", 7, -3, 4, {7, 4, 1}, {6, 3, 3}},
    {"hexagons about the middle", 8, 1.5, 3, {8, 9.5, 11}, {6, 6, 6}},
    {"the middle plane keeps its own normal, up to the triangle of cube corners",
     9,
     1.5,
     3,
     {9, 10.5, 12},
     {6, 6, 3}},
};

class SectionAnimationTest : public EditingTest {
protected:
    SectionAnimationTest() {
        for (int v = 0; v < 8; ++v) {
            Page().AddVertex(v & 1 ? kEdge : 0, v & 2 ? kEdge : 0, v & 4 ? kEdge : 0);
        }
        for (const std::vector<int>& face : std::vector<std::vector<int>>{{0, 1, 3, 2},
                                                                          {4, 5, 7, 6},
                                                                          {0, 1, 5, 4},
                                                                          {2, 3, 7, 6},
                                                                          {0, 2, 6, 4},
                                                                          {1, 3, 7, 5}}) {
            Page().AddFace(face);
        }
        Page().ClearSelection();
    }

    // Selects three points of the plane x + y + z = h, added for it.
    void SelectPlane(float h) {
        Page().AddVertex(h, 0, 0);
        Page().AddVertex(0, h, 0);
        Page().AddVertex(0, 0, h);
    }

    bool Animate(float spacing, int count) {
        return AddSectionAnimation(doc, {.spacing = spacing, .count = count});
    }

    std::vector<const CFaceCell*> SectionFaces() {
        std::vector<const CFaceCell*> faces;
        for (const auto& [key, face] : Page().m_faces) {
            if (key > kCubeFaces) {
                faces.push_back(face.get());
            }
        }
        return faces;
    }

    // Which sections show, by their place in the stack.
    std::vector<int> ShownSections() {
        std::vector<int> shown;
        const auto faces = SectionFaces();
        for (size_t i = 0; i < faces.size(); ++i) {
            if (!faces[i]->m_bHidden) {
                shown.push_back(static_cast<int>(i));
            }
        }
        return shown;
    }

    static constexpr int kCubeFaces = 6;
};

class DiagonalSectionsTest : public SectionAnimationTest,
                             public ::testing::WithParamInterface<DiagonalCase> {};

TEST_P(DiagonalSectionsTest, GivesTheTrianglesAndHexagonsOfTheirPlanesWithTheirAreas) {
    const DiagonalCase& c = GetParam();
    SelectPlane(c.firstH);
    const int cubeAndPlaneVertices = Page().m_nVertexCount;

    ASSERT_TRUE(Animate(c.hStep / kRoot3, c.count));

    EXPECT_TRUE(messages.texts.empty());
    const auto faces = SectionFaces();
    ASSERT_EQ(faces.size(), c.sectionH.size());
    ASSERT_EQ(Page().m_texts.size(), faces.size());
    auto text = Page().m_texts.begin();
    for (size_t i = 0; i < faces.size(); ++i, ++text) {
        SCOPED_TRACE("section at h = " + std::to_string(c.sectionH[i]));
        std::vector<Vec3> corners;
        for (uint8_t v : faces[i]->Verts()) {
            corners.push_back(ToVec3(Page().m_pos[v]));
            EXPECT_NEAR(corners.back().x + corners.back().y + corners.back().z, c.sectionH[i],
                        1e-4);
            // A new corner shows with its section only; the page's own vertices always show.
            EXPECT_EQ(Page().m_bShown[v] == 1, i == 0 || v < cubeAndPlaneVertices);
        }
        EXPECT_EQ(static_cast<int>(corners.size()), c.corners[i]);
        const double area = DiagonalSectionArea(c.sectionH[i]);
        EXPECT_NEAR(FanArea(corners).area, area, 1e-4 * area);
        EXPECT_NEAR(text->second->m_fValue, area, 1e-4 * area);
        EXPECT_TRUE(text->second->m_strText.starts_with("S( ")) << text->second->m_strText;
        EXPECT_EQ(faces[i]->m_bHidden, i > 0);
    }
    EXPECT_FALSE(Page().HasSelection());
}

INSTANTIATE_TEST_SUITE_P(Cube, DiagonalSectionsTest, ::testing::ValuesIn(kDiagonalCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// Only the series shows, over a hidden pair of show/hide buttons for each step.
TEST_F(SectionAnimationTest, ThePressedSeriesShowsEachSectionInTurnAndBackAgain) {
    SelectPlane(1);
    ASSERT_TRUE(Animate(3 / kRoot3, 6));  // six sections, h = 1 ... 16
    ASSERT_EQ(Page().m_buttons.size(), 1u + 3 * 5);
    EXPECT_EQ(windows.windows.at(3024).caption, "截面移动");
    for (const auto& [key, button] : Page().m_buttons) {
        EXPECT_EQ(windows.Visible(key), key == 3024) << key;
    }
    std::vector<int> seen{0};
    const auto run = [&] {
        int ticks = 0;
        while (TickButtonAnimation(Page())) {
            const std::vector<int> shown = ShownSections();
            ASSERT_EQ(shown.size(), 1u) << "after tick " << ticks;
            if (shown.front() != seen.back()) {
                seen.push_back(shown.front());
            }
            ++ticks;
        }
        // Each section stays in view for about a second at the medium speed.
        EXPECT_GT(ticks, 5 * 20);
    };

    ASSERT_EQ(PressButton(Page(), 3024), PressOutcome::kStarted);
    run();
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4, 5}));

    seen = {5};
    ASSERT_EQ(PressButton(Page(), 3024), PressOutcome::kStarted);
    run();
    EXPECT_EQ(seen, (std::vector<int>{5, 4, 3, 2, 1, 0}));
}

TEST_F(SectionAnimationTest, OneUndoTakesEverythingAwayAndRedoPutsItBack) {
    SelectPlane(2);
    const auto before = CopyPage(Page());
    const int steps = History().Count();
    ASSERT_TRUE(Animate(2 / kRoot3, 8));
    const auto made = CopyPage(Page());
    EXPECT_EQ(History().Count(), steps + 1);
    EXPECT_EQ(UndoText(), "撤消 添加截面动画(&U)\tCtrl+Z");

    History().Undo();
    before->ClearSelection();
    EXPECT_TRUE(PagesEqual(*before, Page(), {.labelCounters = false}));
    EXPECT_TRUE(windows.windows.empty());

    History().Redo();
    EXPECT_TRUE(PagesEqual(*made, Page()));
    EXPECT_TRUE(windows.Visible(3024));
    EXPECT_EQ(windows.windows.size(), made->m_buttons.size());
}

TEST_F(SectionAnimationTest, SuggestsASpacingThatSpreadsThePlanesOverTheCube) {
    EXPECT_EQ(SpreadingSpacing(Page(), 5), std::nullopt);
    // From x + y + z = 1 (or 17, turned round) the far corner lies 17/√3 = 9.815 ahead.
    for (const float h : {1.0f, 17.0f}) {
        SCOPED_TRACE(h);
        Page().ClearSelection();
        SelectPlane(h);
        EXPECT_EQ(SpreadingSpacing(Page(), 5), 1.96f);
        EXPECT_EQ(SpreadingSpacing(Page(), 10), 0.98f);
    }
    // A plane through a face of the cube, nothing beyond it on the one side.
    Page().ClearSelection();
    Page().m_selFaces = {1};
    EXPECT_EQ(SpreadingSpacing(Page(), 3), 2.0f);
}

// What is refused, and with which message; nothing changes.
struct Refusal {
    const char* name;
    float firstH;
    float spacing;
    int count;
    const char* message;
};

void PrintTo(const Refusal& c, std::ostream* os) {
    *os << c.name;
}

const Refusal kRefusals[] = {
    {"no spacing", 4, 0, 5, "平面间距不能为0"},
    {"a spacing below the tolerance", 4, 5e-5f, 5, "平面间距不能为0"},
    {"one plane", 4, 1, 1, "请输入一个介于 2 和 30 之间的整数。"},
    {"more planes than a page can hold", 4, 1, 31, "请输入一个介于 2 和 30 之间的整数。"},
    {"every plane misses the cube", 30, 1, 5, "平面与图形不相交，没有截面"},
    {"only the first plane meets the cube", 4, 20, 5,
     "只有一个平面与图形相交，截面无法移动，请减小平面间距"},
    {"three points on a line", 0, 1, 5, "所选三点在一条直线上，不能确定截面"},
};

class SectionAnimationRefusalTest : public SectionAnimationTest,
                                    public ::testing::WithParamInterface<Refusal> {};

TEST_P(SectionAnimationRefusalTest, SaysWhyAndChangesNothing) {
    const Refusal& c = GetParam();
    SelectPlane(c.firstH);
    const auto before = CopyPage(Page());
    const int steps = History().Count();

    EXPECT_FALSE(Animate(c.spacing, c.count));

    EXPECT_EQ(messages.texts, std::vector<std::string>{c.message});
    EXPECT_TRUE(PagesEqual(*before, Page()));
    EXPECT_EQ(History().Count(), steps);
}

INSTANTIATE_TEST_SUITE_P(Cube, SectionAnimationRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(SectionAnimationTest, RefusesWithoutRoomForTheVerticesOrTheButtons) {
    SelectPlane(1);
    const std::vector<int> plane = Page().m_selPoints;
    // Twelve hexagons need 72 new vertices.
    while (Page().m_nVertexCount < CGpage::kMaxVertices - 60) {
        Page().AddVertex(50, 50, 50);
    }
    Page().m_selPoints = plane;
    EXPECT_FALSE(Animate(0.5f / kRoot3, 30));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"本页顶点数已达界限,请新建一页"});

    messages.texts.clear();
    Page().m_nNextButtonId = CGpage::kLastButtonKey - 4;
    const auto before = CopyPage(Page());
    EXPECT_FALSE(Animate(3 / kRoot3, 3));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"本页按钮数已达界限,请新建一页"});
    EXPECT_TRUE(PagesEqual(*before, Page()));
}

}  // namespace
}  // namespace velnor::test
