#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "buttons/button_test_support.h"
#include "editing/add_polyhedron_net.h"
#include "editing/editing_fixture.h"
#include "geometry/solid_generators.h"
#include "support/page_equality.h"

namespace velnor::test {
namespace {

struct SolidCase {
    const char* name;
    std::function<void(CGpage&)> add;
};

void PrintTo(const SolidCase& c, std::ostream* os) {
    *os << c.name;
}

const SolidCase kSolids[] = {
    {"cube", [](CGpage& page) { AddCube(page, {}, 12.0f); }},
    {"hexagonal pyramid", [](CGpage& page) { AddPyramid(page, {}, 6, 8.0f, 10.0f); }},
    {"octahedron", [](CGpage& page) { AddOctahedron(page, {}, 8.0f); }},
    {"dodecahedron", [](CGpage& page) { AddDodecahedron(page, {}, 8.0f); }},
};

double Distance(const CGpage& page, int a, int b) {
    return Length(ToVec3(page.m_pos[a]) - ToVec3(page.m_pos[b]));
}

std::vector<const CFaceCell*> FacesFrom(const CGpage& page, int firstKey) {
    std::vector<const CFaceCell*> faces;
    for (auto it = page.m_faces.lower_bound(static_cast<uint16_t>(firstKey));
         it != page.m_faces.end(); ++it) {
        faces.push_back(it->second.get());
    }
    return faces;
}

// How many of the faces cover each point of a fine grid over them, in the plane z' of the unit
// normal: each face is convex, and a point counts only well inside it.
int MostFacesOverOnePoint(const CGpage& page, const std::vector<const CFaceCell*>& faces,
                          Vec3 normal) {
    const Vec3 e1 =
        (1.0f / Length(Cross(normal, {0.6f, 0.8f, 0.0f}))) * Cross(normal, {0.6f, 0.8f, 0.0f});
    const Vec3 e2 = Cross(normal, e1);
    using Flat = std::vector<std::array<double, 2>>;
    std::vector<Flat> flat;
    double low = 1e9, high = -1e9;
    for (const CFaceCell* face : faces) {
        Flat polygon;
        for (uint8_t v : face->Verts()) {
            const Vec3 p = ToVec3(page.m_pos[v]);
            polygon.push_back({Dot(p, e1), Dot(p, e2)});
            low = std::min({low, polygon.back()[0], polygon.back()[1]});
            high = std::max({high, polygon.back()[0], polygon.back()[1]});
        }
        flat.push_back(polygon);
    }
    const auto covers = [](const Flat& polygon, double x, double y) {
        int positive = 0, negative = 0;
        for (size_t i = 0; i < polygon.size(); ++i) {
            const auto& a = polygon[i];
            const auto& b = polygon[(i + 1) % polygon.size()];
            const double turn = (b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0]);
            const double length = std::hypot(b[0] - a[0], b[1] - a[1]);
            positive += turn > 1e-3 * length;
            negative += turn < -1e-3 * length;
        }
        return positive == static_cast<int>(polygon.size()) ||
               negative == static_cast<int>(polygon.size());
    };
    int most = 0;
    constexpr int kSteps = 150;
    for (int i = 0; i <= kSteps; ++i) {
        for (int j = 0; j <= kSteps; ++j) {
            const double x = low + (high - low) * i / kSteps;
            const double y = low + (high - low) * j / kSteps;
            const int count = static_cast<int>(std::count_if(
                flat.begin(), flat.end(), [&](const Flat& f) { return covers(f, x, y); }));
            most = std::max(most, count);
        }
    }
    return most;
}

class PolyhedronNetTest : public EditingTest, public ::testing::WithParamInterface<SolidCase> {
protected:
    uint16_t SeriesKey() {
        std::vector<uint16_t> shown;
        for (const auto& [key, button] : Page().m_buttons) {
            if (!button->m_bHidden) {
                shown.push_back(key);
            }
        }
        EXPECT_EQ(shown.size(), 1u);
        return shown.front();
    }
};

TEST_P(PolyhedronNetTest, NetLiesFlatFoldsOntoTheSolidAndLiesFlatAgain) {
    GetParam().add(Page());
    Page().ClearSelection();
    const auto before = CopyPage(Page());
    const int netFirstKey = Page().m_nNextFaceId;
    const std::vector<const CFaceCell*> solid = FacesFrom(Page(), 1);

    ASSERT_TRUE(AddPolyhedronNet(doc)) << ::testing::PrintToString(messages.texts);
    EXPECT_EQ(History().Current()->GetName(), "添加展开图");
    const std::vector<const CFaceCell*> net = FacesFrom(Page(), netFirstKey);
    ASSERT_EQ(net.size(), solid.size());

    // Congruent faces, the base face on the original, the rest flat in its plane.
    const Vec3 base = ToVec3(Page().m_pos[solid[0]->Verts()[0]]);
    const Vec3 normal = [&] {
        const auto v = solid[0]->Verts();
        const Vec3 n = Cross(ToVec3(Page().m_pos[v[1]]) - base, ToVec3(Page().m_pos[v[2]]) - base);
        return (1.0f / Length(n)) * n;
    }();
    for (size_t f = 0; f < net.size(); ++f) {
        const auto s = solid[f]->Verts(), n = net[f]->Verts();
        ASSERT_EQ(s.size(), n.size());
        for (size_t i = 0; i < s.size(); ++i) {
            EXPECT_NEAR(Dot(ToVec3(Page().m_pos[n[i]]) - base, normal), 0.0, 1e-3);
            for (size_t j = i + 1; j < s.size(); ++j) {
                EXPECT_NEAR(Distance(Page(), n[i], n[j]), Distance(Page(), s[i], s[j]), 1e-3);
            }
        }
    }
    // The base face moved within its plane, the whole net clear of the solid beside it.
    const Vec3 shift = ToVec3(Page().m_pos[net[0]->Verts()[0]]) - base;
    EXPECT_NEAR(Dot(shift, normal), 0.0, 1e-3);
    for (size_t i = 0; i < solid[0]->Verts().size(); ++i) {
        EXPECT_LT(Length(ToVec3(Page().m_pos[net[0]->Verts()[i]]) -
                         ToVec3(Page().m_pos[solid[0]->Verts()[i]]) - shift),
                  1e-4);
    }
    const Vec3 away = (1.0f / Length(shift)) * shift;
    float solidFar = -1e9f, netNear = 1e9f;
    for (int v = 0; v < Page().m_nVertexCount; ++v) {
        const float along = Dot(ToVec3(Page().m_pos[v]), away);
        if (v < before->m_nVertexCount) {
            solidFar = std::max(solidFar, along);
        } else {
            netNear = std::min(netNear, along);
        }
    }
    EXPECT_GT(netNear, solidFar);
    EXPECT_EQ(MostFacesOverOnePoint(Page(), net, normal), 1);

    // No labels of its own, and the next point labelled as if the net were not there.
    for (int v = before->m_nVertexCount; v < Page().m_nVertexCount; ++v) {
        EXPECT_EQ(Page().m_label[v], "") << v;
    }
    EXPECT_EQ(Page().m_chNextLabel, before->m_chNextLabel);

    // Folded onto the solid by the one shown button, flat again after its next press.
    const std::vector<Float3> flat(Page().m_pos.begin(), Page().m_pos.end());
    const uint16_t series = SeriesKey();
    EXPECT_EQ(Page().m_buttons.at(series)->m_strCaption, "折叠/展开");
    PressButton(Page(), series);
    EXPECT_GT(TicksUntilIdle(Page()), 0);
    for (size_t f = 0; f < net.size(); ++f) {
        for (size_t i = 0; i < net[f]->Verts().size(); ++i) {
            EXPECT_LT(Distance(Page(), solid[f]->Verts()[i], net[f]->Verts()[i]), 2e-3)
                << "face " << f << " corner " << i;
        }
    }
    PressButton(Page(), series);
    EXPECT_GT(TicksUntilIdle(Page()), 0);
    for (int v = before->m_nVertexCount; v < Page().m_nVertexCount; ++v) {
        EXPECT_EQ(Page().m_pos[v], flat[v]) << Page().m_label[v];
    }

    History().Undo();
    before->ClearSelection();
    EXPECT_TRUE(PagesEqual(*before, Page()));
}

TEST_F(PolyhedronNetTest, ViewZoomsOutToShowTheNetAndOneUndoRestoresIt) {
    AddCube(Page(), {}, 12.0f);
    Page().ClearSelection();
    ViewCamera& camera = doc.Settings().m_camera;
    camera.m_fPanX = 3.0f;
    const ViewCamera before = camera;
    ASSERT_TRUE(AddPolyhedronNet(doc));
    const ViewCamera shown = camera;
    // The cube fills the view at zoom 1; with a net four edges long beside it, it must shrink.
    EXPECT_LT(shown.m_fZoom, 0.6f);
    EXPECT_EQ(shown.m_fAngleX, before.m_fAngleX);
    EXPECT_EQ(shown.m_fAngleAxis, before.m_fAngleAxis);
    const auto same = [](const ViewCamera& a, const ViewCamera& b) {
        return a.m_fZoom == b.m_fZoom && a.m_fPanX == b.m_fPanX && a.m_fPanY == b.m_fPanY;
    };
    History().Undo();
    EXPECT_TRUE(same(camera, before));
    History().Redo();
    EXPECT_TRUE(same(camera, shown));
}

INSTANTIATE_TEST_SUITE_P(Solids, PolyhedronNetTest, ::testing::ValuesIn(kSolids),
                         [](const auto& info) { return "Solid" + std::to_string(info.index); });

enum CubeVertex { kC1, kD1, kA1, kB1, kC, kD, kA, kB };

struct RefusalCase {
    const char* name;
    std::function<void(CGpage&)> prepare;  // after a cube of edge 12 about the origin
    std::string message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

const RefusalCase kRefusals[] = {
    {"cube without its bottom", [](CGpage& page) { page.m_faces.erase(6); },
     "棱AB只是一个面的边，这些面没有围成封闭的多面体，不能展开"},
    {"two faces selected",
     [](CGpage& page) {
         page.m_selFaces = {1, 2};
     },
     "棱B1A1只是一个面的边，这些面没有围成封闭的多面体，不能展开"},
    {"a diagonal face through an edge",
     [](CGpage& page) {
         page.AddFace(std::vector<int>{kA, kB, kC1, kD1});
     },
     "棱AB是3个面的公共边，这些面不是一个多面体的表面，不能展开"},
    {"two cubes",
     [](CGpage& page) {
         AddCube(page, {30.0f, 0.0f, 0.0f}, 12.0f);
     },
     "这些面不连成一个多面体，请只选取一个多面体的面"},
    {"room for 13 more vertices, the net needs 14",
     [](CGpage& page) {
         while (page.m_nVertexCount < CGpage::kMaxVertices - 13) {
             page.AddVertex(50, 50, 50);
         }
         page.ClearSelection();
     },
     "本页顶点数已达界限,请新建一页"},
    {"room for 7 more buttons, the net needs 8",
     [](CGpage& page) { page.m_nNextButtonId = CGpage::kLastButtonKey - 6; },
     "本页按钮数已达界限,请新建一页"},
    {"every line key taken", test::TakeEveryLineKey, "本页图元数已达界限,请新建一页"},
};

class PolyhedronNetRefusalTest : public EditingTest,
                                 public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PolyhedronNetRefusalTest, SaysWhyAndChangesNothing) {
    AddCube(Page(), {}, 12.0f);
    Page().ClearSelection();
    GetParam().prepare(Page());
    const auto before = CopyPage(Page());
    const int steps = History().Count();
    EXPECT_FALSE(AddPolyhedronNet(doc));
    EXPECT_EQ(messages.texts, std::vector<std::string>{GetParam().message});
    EXPECT_TRUE(PagesEqual(*before, Page()));
    EXPECT_EQ(History().Count(), steps);
}

INSTANTIATE_TEST_SUITE_P(Cube, PolyhedronNetRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

std::optional<uint16_t> LineBetween(const CGpage& page, const std::string& a,
                                    const std::string& b) {
    for (const auto& [key, line] : page.m_lines) {
        const std::string& start = page.m_label[line->m_nStart];
        const std::string& end = page.m_label[line->m_nEnd];
        if ((start == a && end == b) || (start == b && end == a)) {
            return key;
        }
    }
    return std::nullopt;
}

struct CutsCase {
    const char* name;
    std::function<void(CGpage&)> add;
    std::vector<std::pair<std::string, std::string>> cuts;
    std::string message;  // empty when the net is made
};

void PrintTo(const CutsCase& c, std::ostream* os) {
    *os << c.name;
}

const auto kCube = [](CGpage& page) { AddCube(page, {}, 12.0f); };
// The seven cuts of the cross: the front face ABB1A1 in the middle, the back hanging from the top.
const std::vector<std::pair<std::string, std::string>> kCrossCuts{
    {"A", "D"}, {"B", "C"}, {"C", "D"}, {"D", "D1"}, {"C", "C1"}, {"A1", "D1"}, {"B1", "C1"}};

std::vector<std::pair<std::string, std::string>> CrossCutsAnd(
    std::vector<std::pair<std::string, std::string>> more, size_t keep = 7) {
    std::vector<std::pair<std::string, std::string>> cuts(kCrossCuts.begin(),
                                                          kCrossCuts.begin() + keep);
    cuts.insert(cuts.end(), more.begin(), more.end());
    return cuts;
}

const CutsCase kCutsCases[] = {
    {"the cross", kCube, kCrossCuts, ""},
    {"six of the cross", kCube, CrossCutsAnd({}, 6),
     "剪开的棱太少：选取了6条棱，要剪开7条棱才能展开"},
    {"the cross and one more", kCube, CrossCutsAnd({{"A", "B"}}),
     "剪开的棱太多：选取了8条棱，剪开7条棱就能展开，多剪会使展开图分成几块"},
    {"round the bottom face",
     kCube,
     {{"A", "B"}, {"B", "C"}, {"C", "D"}, {"D", "A"}, {"A", "A1"}, {"B", "B1"}, {"C", "C1"}},
     "剪开的棱围成了一圈，展开图会分成几块，不能展开"},
    {"a diagonal",
     [](CGpage& page) {
         AddCube(page, {}, 12.0f);
         page.AddLine(kA, kC1, kSegment);
     },
     CrossCutsAnd({{"A", "C1"}}, 6), "线AC1不是这个多面体的棱，不能沿它剪开"},
    {"a spiral round a flat frustum",
     [](CGpage& page) { AddFrustum(page, {}, 6, 8.0f, 2.0f, 0.3f); },
     {{"A", "B"},
      {"B", "C"},
      {"C", "D"},
      {"D", "E"},
      {"D", "D1"},
      {"E", "F"},
      {"A1", "B1"},
      {"A1", "F1"},
      {"B1", "C1"},
      {"D1", "E1"},
      {"E1", "F1"}},
     "沿选取的棱剪开，展开图中有面互相重叠，不能展开"},
};

class ChosenCutsTest : public EditingTest, public ::testing::WithParamInterface<CutsCase> {};

TEST_P(ChosenCutsTest, CutExactlyTheSelectedEdgesOrSayWhyNot) {
    const CutsCase& c = GetParam();
    c.add(Page());
    Page().ClearSelection();
    for (const auto& [a, b] : c.cuts) {
        const auto key = LineBetween(Page(), a, b);
        ASSERT_TRUE(key) << a << b;
        Page().m_selLines.push_back(*key);
    }
    const auto before = CopyPage(Page());
    const int edges = static_cast<int>(Page().m_lines.size());
    const bool made = AddPolyhedronNet(doc);
    if (!c.message.empty()) {
        EXPECT_FALSE(made);
        EXPECT_EQ(messages.texts, std::vector<std::string>{c.message});
        EXPECT_TRUE(PagesEqual(*before, Page()));
        return;
    }
    ASSERT_TRUE(made) << ::testing::PrintToString(messages.texts);
    // Every cut edge comes apart into two lines of the net; every other edge stays one fold.
    EXPECT_EQ(static_cast<int>(Page().m_lines.size()) - edges,
              edges + static_cast<int>(c.cuts.size()));
    EXPECT_EQ(Page().m_nVertexCount - before->m_nVertexCount, 14);
}

INSTANTIATE_TEST_SUITE_P(Solids, ChosenCutsTest, ::testing::ValuesIn(kCutsCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(PolyhedronNetTest, LiesInThePlaneOfTheFirstSelectedFace) {
    AddCube(Page(), {}, 12.0f);
    Page().ClearSelection();
    Page().m_selFaces = {5, 1, 2, 3, 4, 6};  // the top face D1A1B1C1 first
    const int first = Page().m_nVertexCount;
    ASSERT_TRUE(AddPolyhedronNet(doc));
    EXPECT_EQ(Page().m_nVertexCount - first, 14);
    for (int v = first; v < Page().m_nVertexCount; ++v) {
        EXPECT_NEAR(Page().m_pos[v][2], 6.0f, 1e-4) << Page().m_label[v];
    }
}

// A double pyramid over a regular polygon: 2 × sides triangles.
void AddBipyramid(CGpage& page, int sides, float radius, float height) {
    const int first = page.m_nVertexCount;
    for (int i = 0; i < sides; ++i) {
        const double angle = 2.0 * M_PI * i / sides;
        page.AddVertex(radius * std::cos(angle), radius * std::sin(angle), 0.0f);
    }
    page.AddVertex(0, 0, height);
    page.AddVertex(0, 0, -height);
    for (int i = 0; i < sides; ++i) {
        const int a = first + i, b = first + (i + 1) % sides;
        page.AddFace(std::vector<int>{first + sides, a, b});
        page.AddFace(std::vector<int>{first + sides + 1, b, a});
    }
}

TEST(PolyhedronNet, ConvexSolidsOfUpToThirtyFacesUnfoldWithoutOverlap) {
    RecordingMessages messages;
    RecordingDocumentViews views;
    RecordingButtonWindows windows;
    const std::vector<std::pair<std::string, std::function<void(CGpage&)>>> solids{
        {"icosahedron", [](CGpage& page) { AddIcosahedron(page, {}, 8.0f); }},
        {"15-gonal bipyramid", [](CGpage& page) { AddBipyramid(page, 15, 8.0f, 2.0f); }},
        {"20-gonal prism", [](CGpage& page) { AddPrism(page, {}, 20, 8.0f, 10.0f); }},
        {"20-gonal pyramid", [](CGpage& page) { AddPyramid(page, {}, 20, 8.0f, 3.0f); }},
        {"20-gonal frustum", [](CGpage& page) { AddFrustum(page, {}, 20, 8.0f, 2.0f, 0.3f); }},
        {"flat cuboid", [](CGpage& page) { AddCuboid(page, {}, 20.0f, 3.0f, 1.0f); }},
    };
    for (const auto& [name, add] : solids) {
        SCOPED_TRACE(name);
        CPlomDoc doc;
        doc.OnNewDocument();
        add(doc.CurrentPage());
        const int netFirstKey = doc.CurrentPage().m_nNextFaceId;
        ASSERT_TRUE(AddPolyhedronNet(doc)) << ::testing::PrintToString(messages.texts);
        const CGpage& page = doc.CurrentPage();
        const CFaceCell& base = *page.m_faces.at(static_cast<uint16_t>(netFirstKey));
        const Vec3 a = ToVec3(page.m_pos[base.Verts()[0]]);
        const Vec3 n =
            Cross(ToVec3(page.m_pos[base.Verts()[1]]) - a, ToVec3(page.m_pos[base.Verts()[2]]) - a);
        EXPECT_EQ(MostFacesOverOnePoint(page, FacesFrom(page, netFirstKey), (1.0f / Length(n)) * n),
                  1);
    }
}

}  // namespace
}  // namespace velnor::test
