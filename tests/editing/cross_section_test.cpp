#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "commands/command_execution.h"
#include "editing/cross_section.h"
#include "editing/editing_fixture.h"
#include "geometry/kernel.h"
#include "geometry/solid_generators.h"
#include "support/page_equality.h"

namespace velnor::test {
namespace {

constexpr float kEdge = 12.0f;
constexpr int kTopFace = 5;
enum CubeVertex { kC1, kD1, kA1, kB1, kC, kD, kA, kB };

// How the cutting plane is chosen on the cube of edge 12 about the origin.
struct SectionCase {
    const char* name;
    std::vector<Float3> points;        // added, then selected
    std::vector<int> cubeVertices;     // selected after them
    bool selectCuttingSquare = false;  // a square face of side 20 at z = 0, selected
    bool selectTopFace = false;
    // Expected: nothing added and this message, or what is added.
    std::optional<std::string> message;
    int newPoints = 0;
    int lines = 0;
    double area = 0.0;  // of the one new face
};

void PrintTo(const SectionCase& c, std::ostream* os) {
    *os << c.name;
}

double TriangleArea(Float3 a, Float3 b, Float3 c) {
    const Vec3 ab = ToVec3(b) - ToVec3(a), ac = ToVec3(c) - ToVec3(a);
    return Length(Cross(ab, ac)) / 2.0;
}

const double kHexagonArea = 3.0 * std::sqrt(3.0) / 2.0 * 72.0;
const double kCornerTriangleArea = TriangleArea({-2, -6, -6}, {-6, -3, -6}, {-6, -6, 0});

const SectionCase kCases[] = {
    {"regular hexagon of x - y + z = 0",
     {{0, 0, 0}, {1, 1, 0}, {0, 1, 1}},
     {},
     false,
     false,
     std::nullopt,
     6,
     6,
     kHexagonArea},
    {"triangle through three edge points",
     {{-2, -6, -6}, {-6, -3, -6}, {-6, -6, 0}},
     {},
     false,
     false,
     std::nullopt,
     0,
     3,
     kCornerTriangleArea},
    {"diagonal rectangle through two edges",
     {},
     {kA, kC, kC1},
     false,
     false,
     std::nullopt,
     0,
     2,
     kEdge* kEdge* std::sqrt(2.0)},
    {"square cut by a face through the middle",
     {},
     {},
     true,
     false,
     std::nullopt,
     4,
     4,
     kEdge* kEdge},
    {"plane missing the cube",
     {{0, 0, 100}, {1, 0, 100}, {0, 1, 100}},
     {},
     false,
     false,
     "平面与图形不相交，没有截面"},
    {"plane touching one corner only",
     {{-2, 12, 8}, {12, -2, 8}, {8, 8, 2}},
     {},
     false,
     false,
     "平面与图形不相交，没有截面"},
    {"plane of the top face", {}, {}, false, true, "截面与图中已有的面重合，不需另作"},
    {"three points on a line",
     {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}},
     {},
     false,
     false,
     "所选三点在一条直线上，不能确定截面"},
};

class CrossSectionTest : public EditingTest, public ::testing::WithParamInterface<SectionCase> {
protected:
    CrossSectionTest() {
        AddCube(Page(), {}, kEdge);
        Page().ClearSelection();
    }

    void Prepare(const SectionCase& c) {
        for (const Float3& p : c.points) {
            Page().AddVertex(p[0], p[1], p[2]);
        }
        if (c.selectCuttingSquare) {
            const int first = Page().m_nVertexCount;
            for (Float3 p : {Float3{-10, -10, 0}, {10, -10, 0}, {10, 10, 0}, {-10, 10, 0}}) {
                Page().AddVertex(p[0], p[1], p[2]);
            }
            Page().ClearSelection();
            Page().m_selFaces = {
                *Page().AddFace(std::vector<int>{first, first + 1, first + 2, first + 3})};
        }
        for (int v : c.cubeVertices) {
            Page().m_selPoints.push_back(v);
        }
        if (c.selectTopFace) {
            Page().m_selFaces = {kTopFace};
        }
    }
};

TEST_P(CrossSectionTest, AddsTheSectionAsOneStepThatUndoRemoves) {
    const SectionCase& c = GetParam();
    Prepare(c);
    const auto before = CopyPage(Page());
    const int steps = History().Count();

    const bool added = AddCrossSection(doc);

    if (c.message) {
        EXPECT_FALSE(added);
        EXPECT_EQ(messages.texts, std::vector<std::string>{*c.message});
        EXPECT_TRUE(PagesEqual(*before, Page()));
        EXPECT_EQ(History().Count(), steps);
        return;
    }
    ASSERT_TRUE(added);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Page().m_nVertexCount, before->m_nVertexCount + c.newPoints);
    EXPECT_EQ(Page().m_lines.size(), before->m_lines.size() + c.lines);
    ASSERT_EQ(Page().m_faces.size(), before->m_faces.size() + 1);
    const CFaceCell& face = *Page().m_faces.rbegin()->second;
    std::vector<Vec3> corners;
    for (uint8_t v : face.Verts()) {
        corners.push_back(ToVec3(Page().m_pos[v]));
    }
    EXPECT_NEAR(FanArea(corners).area, c.area, 1e-3 * c.area);
    EXPECT_EQ(History().Current()->GetName(), "添加截面");
    EXPECT_EQ(Page().m_selPoints.size(), static_cast<size_t>(c.newPoints));
    EXPECT_EQ(Page().m_selLines.size(), static_cast<size_t>(c.lines));
    EXPECT_EQ(Page().m_selFaces, std::vector<int>{Page().m_faces.rbegin()->first});

    // Undo takes the cells away; the selection stays as the section left it, emptied of them.
    History().Undo();
    before->ClearSelection();
    EXPECT_TRUE(PagesEqual(*before, Page(), {.labelCounters = false}));
}

INSTANTIATE_TEST_SUITE_P(Cube, CrossSectionTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(CrossSectionTest, HexagonCornersAreTheEdgeMidpointsWithLabelsRoundTheSection) {
    Prepare(kCases[0]);
    const int first = Page().m_nVertexCount;
    ASSERT_TRUE(AddCrossSection(doc));
    for (int v = first; v < first + 6; ++v) {
        const Vec3 p = ToVec3(Page().m_pos[v]);
        EXPECT_NEAR(Length(p), 6.0 * std::sqrt(2.0), 1e-4) << Page().m_label[v];
        EXPECT_NEAR(Length(p - ToVec3(Page().m_pos[first + (v - first + 1) % 6])),
                    6.0 * std::sqrt(2.0), 1e-4)
            << "side from " << Page().m_label[v];
    }
}

TEST_F(CrossSectionTest, NeedsThreePointsOrOneFaceAndRefusesWithoutRoom) {
    Page().m_selPoints = {kA, kB};
    EXPECT_FALSE(CanAddCrossSection(Page()));
    Page().m_selFaces = {kTopFace};
    EXPECT_FALSE(CanAddCrossSection(Page()));
    Page().m_selPoints.clear();
    EXPECT_TRUE(CanAddCrossSection(Page()));

    // The hexagon needs six new points; leave room for five.
    Prepare(kCases[0]);
    Page().m_selFaces.clear();
    while (Page().m_nVertexCount < CGpage::kMaxVertices - 5) {
        Page().AddVertex(50, 50, 50);
    }
    Page().m_selPoints = {8, 9, 10};
    const auto before = CopyPage(Page());
    EXPECT_FALSE(AddCrossSection(doc));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"本页顶点数已达界限,请新建一页"});
    EXPECT_TRUE(PagesEqual(*before, Page()));
}

TEST_F(CrossSectionTest, RefusesWhenThePageHasNoKeyForItsLinesAndChangesNothing) {
    Prepare(kCases[0]);
    TakeEveryLineKey(Page());
    const auto before = CopyPage(Page());
    const int steps = History().Count();
    EXPECT_FALSE(AddCrossSection(doc));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"本页图元数已达界限,请新建一页"});
    EXPECT_TRUE(PagesEqual(*before, Page()));
    EXPECT_EQ(History().Count(), steps);
}

}  // namespace
}  // namespace velnor::test
