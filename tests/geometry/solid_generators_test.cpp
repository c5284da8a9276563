#include <gtest/gtest.h>

#include <cmath>

#include "editing/editing_fixture.h"
#include "editing/figure_set.h"
#include "figure_checks.h"
#include "geometry/measure_text.h"
#include "page_builder.h"
#include "support/page_equality.h"

namespace velnor {
namespace {

using test::ExpectPosition;
using test::Labels;
using test::RecordNames;

constexpr double kSqrt3 = 1.7320508075688772;

class SolidGenerators : public test::EditingTest {
protected:
    bool Build(FigureType type, void (*tweak)(FigureSetValues&) = nullptr) {
        FigureSetValues values;
        ChooseFigureType(values, static_cast<int>(type));
        if (tweak) {
            tweak(values);
        }
        return CreateFigureSet(doc, values);
    }

    void FillVertices(int count) {
        for (int i = 0; i < count; ++i) {
            Page().AddVertex(static_cast<float>(i), 0, 0);
        }
        Page().ClearSelection();
    }

    std::vector<std::string> LastRecord() { return RecordNames(*History().Current()); }

    // The line from `start` to `end`, or null.
    const CLineCell* LineBetween(int start, int end) {
        for (const auto& [key, line] : Page().m_lines) {
            if (line->m_nStart == start && line->m_nEnd == end) {
                return line.get();
            }
        }
        return nullptr;
    }
};

TEST_F(SolidGenerators, DefaultCubeHasItsLabelledCornersEdgesAndInwardFaces) {
    ASSERT_TRUE(Build(FigureType::kCube));
    EXPECT_EQ(Page().m_nVertexCount, 8);
    EXPECT_EQ(Labels(Page()),
              (std::vector<std::string>{"C1", "D1", "A1", "B1", "C", "D", "A", "B"}));
    ExpectPosition(Page(), 6, {-6, -6, -6});
    ExpectPosition(Page(), 0, {6, 6, 6});
    ExpectPosition(Page(), 3, {6, -6, 6});
    EXPECT_EQ(Page().m_color[6], (Float3{0, 1, 0}));
    EXPECT_EQ(Page().m_color[3], (Float3{0.8f, 0.8f, 0.8f}));
    EXPECT_EQ(Page().m_color[5], (Float3{0.4f, 0.4f, 0.4f}));
    EXPECT_EQ(Page().m_lines.size(), 12u);
    EXPECT_EQ(Page().m_faces.size(), 6u);
    const CLineCell* ab = LineBetween(6, 7);
    ASSERT_NE(ab, nullptr);
    EXPECT_EQ(ab->m_strName, "AB");
    EXPECT_EQ(ab->m_nKind, 0);
    EXPECT_EQ(Page().m_lines.at(1)->m_strName, "D1C1");
    // The fifth face is the top D1 A1 B1 C1, and its normal points down into the box.
    const CFaceCell& top = *Page().m_faces.at(5);
    EXPECT_EQ(top.m_strName, "D1A1B1C1");
    EXPECT_LT(test::NormalOfFace(Page(), top)[2], 0.0);
    EXPECT_EQ(test::NormalsSide(Page(), 0), -1);
    EXPECT_TRUE(Page().m_selPoints.empty());
    EXPECT_EQ(Page().m_chNextLabel, 'E');
    EXPECT_EQ(LastRecord(), (std::vector<std::string>{"添加正方体", "添加点", "添加线", "添加面"}));
}

TEST_F(SolidGenerators, CuboidTakesItsThreeSizesAboutTheCentre) {
    ASSERT_TRUE(Build(FigureType::kCuboid, [](FigureSetValues& v) {
        v.edge = 12;
        v.width = 10;
        v.height = 4;
        v.x = 1;
        v.y = 2;
        v.z = 3;
    }));
    ExpectPosition(Page(), 0, {7, 7, 5});
    ExpectPosition(Page(), 6, {-5, -3, 1});
    EXPECT_EQ(test::NormalsSide(Page(), 0), -1);
    EXPECT_EQ(LastRecord().front(), "添加长方体");
}

TEST_F(SolidGenerators, TwoCubesOnOnePageUseTheSameLabelsOnNewVertices) {
    ASSERT_TRUE(Build(FigureType::kCube));
    ASSERT_TRUE(Build(FigureType::kCube, [](FigureSetValues& v) { v.x = 20; }));
    EXPECT_EQ(Page().m_nVertexCount, 16);
    EXPECT_EQ(Labels(Page(), 8),
              (std::vector<std::string>{"C1", "D1", "A1", "B1", "C", "D", "A", "B"}));
    ExpectPosition(Page(), 14, {14, -6, -6});
    EXPECT_EQ(Page().m_lines.size(), 24u);
    ASSERT_NE(LineBetween(14, 15), nullptr);
    EXPECT_EQ(LineBetween(14, 15)->m_strName, "AB");
    History().Undo();
    EXPECT_EQ(Page().m_nVertexCount, 8);
    EXPECT_EQ(Page().m_lines.size(), 12u);
}

TEST_F(SolidGenerators, TriangularPrismLabelsBottomAndTopAndTheNextVertexIsD) {
    ASSERT_TRUE(Build(FigureType::kPrism));
    EXPECT_EQ(Labels(Page()), (std::vector<std::string>{"A", "B", "C", "A1", "B1", "C1"}));
    // Corners at −150, −30 and 90 degrees on the circle of radius 8, 5 below and above the centre.
    const float c = static_cast<float>(8 * std::cos(30 * M_PI / 180));
    ExpectPosition(Page(), 0, {-c, -4, -5});
    ExpectPosition(Page(), 1, {c, -4, -5});
    ExpectPosition(Page(), 5, {0, 8, 5});
    EXPECT_EQ(Page().m_lines.size(), 9u);
    EXPECT_EQ(Page().m_faces.size(), 5u);
    test::ExpectFacesPlanar(Page());
    EXPECT_EQ(Page().m_lines.at(1)->m_strName, "AA1");
    EXPECT_EQ(LastRecord().front(), "添加正棱柱");
    Page().AddVertex(0, 0, 0);
    EXPECT_EQ(Page().m_label[6], "D");
}

TEST_F(SolidGenerators, SquarePyramidOfRadiusOneAndHeightOneStandsOnTheCentre) {
    ASSERT_TRUE(Build(FigureType::kPyramid, [](FigureSetValues& v) {
        v.sides = 4;
        v.radius = 1;
        v.height = 1;
        v.z = 2;
    }));
    EXPECT_EQ(Labels(Page()), (std::vector<std::string>{"P", "A", "B", "C", "D"}));
    ExpectPosition(Page(), 0, {0, 0, 3});
    const float h = static_cast<float>(std::sqrt(0.5));
    ExpectPosition(Page(), 1, {-h, -h, 2});
    ExpectPosition(Page(), 2, {h, -h, 2});
    EXPECT_EQ(Page().m_lines.size(), 8u);
    EXPECT_EQ(Page().m_faces.size(), 5u);
    EXPECT_EQ(Page().m_chNextLabel, 'E');
    EXPECT_EQ(LastRecord(), (std::vector<std::string>{"添加正棱锥", "添加点", "添加线", "添加面"}));
}

TEST_F(SolidGenerators, PyramidCornersLieOnTheSphereAboutTheCentre) {
    ASSERT_TRUE(Build(FigureType::kPyramid, [](FigureSetValues& v) {
        v.sides = 5;
        v.radius = 6;
        v.height = 15;
    }));
    const double sphere = (36.0 + 225.0) / 30.0;
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(test::Norm(test::At(Page(), i)), sphere, 1e-4) << i;
    }
    test::ExpectFacesPlanar(Page());
}

TEST_F(SolidGenerators, FrustumTopIsTheBottomShrunkByTheRatio) {
    ASSERT_TRUE(Build(FigureType::kFrustum, [](FigureSetValues& v) { v.sides = 4; }));
    const float b = static_cast<float>(8 * std::sqrt(0.5));
    ExpectPosition(Page(), 0, {-b, -b, -5});
    ExpectPosition(Page(), 4, {-b / 2, -b / 2, 5});
    EXPECT_EQ(Page().m_lines.size(), 12u);
    EXPECT_EQ(Page().m_faces.size(), 6u);
    test::ExpectFacesPlanar(Page());
    EXPECT_EQ(LastRecord().front(), "添加正棱台");
}

TEST_F(SolidGenerators, HexagonIsOneFaceWithItsFirstEdgeBelowTheCentre) {
    ASSERT_TRUE(Build(FigureType::kPolygon, [](FigureSetValues& v) {
        v.sides = 6;
        v.z = 1;
    }));
    EXPECT_EQ(Page().m_nVertexCount, 6);
    ExpectPosition(Page(), 0, {-4, static_cast<float>(-8 * std::sqrt(0.75)), 1});
    ExpectPosition(Page(), 1, {4, static_cast<float>(-8 * std::sqrt(0.75)), 1});
    EXPECT_EQ(Page().m_lines.size(), 6u);
    ASSERT_EQ(Page().m_faces.size(), 1u);
    EXPECT_EQ(Page().m_faces.at(1)->m_strName, "ABCDE...");
    EXPECT_EQ(Page().m_chNextLabel, 'G');
    EXPECT_EQ(LastRecord().front(), "添加正多边形");
}

TEST_F(SolidGenerators, IntersectingPlanesCrossAlongMN) {
    ASSERT_TRUE(Build(FigureType::kIntersectingPlanes));
    EXPECT_EQ(Labels(Page()),
              (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "M", "N"}));
    const float s = static_cast<float>(3 * kSqrt3);
    ExpectPosition(Page(), 4, {-3, -6, s});
    ExpectPosition(Page(), 5, {3, -6, -s});
    ExpectPosition(Page(), 8, {0, -6, 0});
    // The tilted square has the same edge: EM and MF are halves of a side of 12.
    EXPECT_NEAR(test::Norm(test::Minus(test::At(Page(), 4), test::At(Page(), 8))), 6, 1e-5);
    EXPECT_EQ(Page().m_lines.size(), 11u);
    EXPECT_EQ(Page().m_faces.size(), 3u);
    test::ExpectFacesPlanar(Page());
    EXPECT_EQ(Page().m_chNextLabel, 'I');
}

TEST_F(SolidGenerators, IntersectingPlanesNeedTenFreeRows) {
    FillVertices(191);
    EXPECT_FALSE(Build(FigureType::kIntersectingPlanes));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"本页顶点数已达界限,请新建一页"}));
    EXPECT_EQ(Page().m_nVertexCount, 191);
    EXPECT_FALSE(History().CanUndo());

    Page().Clear();
    FillVertices(190);
    EXPECT_TRUE(Build(FigureType::kIntersectingPlanes));
    EXPECT_EQ(Page().m_nVertexCount, 200);
}

TEST_F(SolidGenerators, EachGeneratorRefusesWithoutRoomForItsVertices) {
    struct Case {
        FigureType type;
        int acceptedAt;  // the fullest page that still takes the figure
    };
    // The pyramid keeps one row free; the others may fill the page.
    const Case cases[] = {{FigureType::kCube, 192},           {FigureType::kPrism, 194},
                          {FigureType::kFrustum, 194},        {FigureType::kPyramid, 195},
                          {FigureType::kPolygon, 197},        {FigureType::kOctahedron, 194},
                          {FigureType::kDodecahedron, 180},   {FigureType::kIcosahedron, 188},
                          {FigureType::kGeometricSphere, 197}};
    for (const Case& c : cases) {
        for (int filled : {c.acceptedAt, c.acceptedAt + 1}) {
            Page().Clear();
            History().ClearAll();
            messages.texts.clear();
            FillVertices(filled);
            const bool added = Build(c.type);
            EXPECT_EQ(added, filled == c.acceptedAt)
                << static_cast<int>(c.type) << " at " << filled;
            EXPECT_EQ(messages.texts.size(), added ? 0u : 1u);
            EXPECT_EQ(History().CanUndo(), added);
        }
    }
}

TEST_F(SolidGenerators, OctahedronHidesItsVerticesAndItsNormalsPointOutwards) {
    ASSERT_TRUE(Build(FigureType::kOctahedron, [](FigureSetValues& v) { v.x = 3; }));
    EXPECT_EQ(Page().m_nVertexCount, 6);
    ExpectPosition(Page(), 4, {3, 0, 8});
    ExpectPosition(Page(), 1, {-5, 0, 0});
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Page().m_bShown[i], 0);
    }
    EXPECT_EQ(Labels(Page()), (std::vector<std::string>{"A", "B", "C", "D", "E", "F"}));
    EXPECT_EQ(Page().m_lines.size(), 12u);
    EXPECT_EQ(Page().m_faces.size(), 8u);
    EXPECT_EQ(Page().m_faces.at(1)->m_strName, "AEC");
    EXPECT_EQ(test::NormalsSide(Page(), 0), 1);
    EXPECT_EQ(Page().m_chNextLabel, 'G');
    Page().SelectAllOfKind(SelectionKind::kPoints);
    EXPECT_TRUE(Page().m_selPoints.empty());
}

TEST_F(SolidGenerators, HiddenOctahedronVerticesStillServeAMeasureOfAFace) {
    ASSERT_TRUE(Build(FigureType::kOctahedron, [](FigureSetValues& v) { v.radius = 2; }));
    Page().m_selFaces = {1};
    const auto key = AddMeasureText(Page(), kFaceArea);
    ASSERT_TRUE(key);
    // An equilateral triangle of edge 2√2.
    EXPECT_NEAR(Page().m_texts.at(*key)->m_fValue, 2 * kSqrt3, 1e-4);
}

TEST_F(SolidGenerators, DodecahedronHasEqualEdgesOnItsSphereAndInwardNormals) {
    ASSERT_TRUE(Build(FigureType::kDodecahedron));
    EXPECT_EQ(Page().m_nVertexCount, 20);
    EXPECT_EQ(Page().m_lines.size(), 30u);
    ASSERT_EQ(Page().m_faces.size(), 12u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_NEAR(test::Norm(test::At(Page(), i)), 8, 1e-4);
        EXPECT_EQ(Page().m_bShown[i], 0);
    }
    // The edge of a dodecahedron of circumradius R is 4R / (√3 (1 + √5)).
    const double edge = 4 * 8 / (kSqrt3 * (1 + std::sqrt(5.0)));
    for (const auto& [key, line] : Page().m_lines) {
        EXPECT_NEAR(test::Norm(test::Minus(test::At(Page(), line->m_nStart),
                                           test::At(Page(), line->m_nEnd))),
                    edge, 1e-4);
    }
    test::ExpectFacesPlanar(Page());
    EXPECT_EQ(test::NormalsSide(Page(), 0), -1);
    EXPECT_EQ(Page().m_label[19], "T");
    EXPECT_EQ(Page().m_chNextLabel, 'U');
}

TEST_F(SolidGenerators, IcosahedronHasEqualEdgesOnItsSphereAndOutwardNormals) {
    ASSERT_TRUE(Build(FigureType::kIcosahedron, [](FigureSetValues& v) { v.z = -2; }));
    EXPECT_EQ(Page().m_nVertexCount, 12);
    EXPECT_EQ(Page().m_lines.size(), 30u);
    ASSERT_EQ(Page().m_faces.size(), 20u);
    const test::D3 centre{0, 0, -2};
    for (int i = 0; i < 12; ++i) {
        EXPECT_NEAR(test::Norm(test::Minus(test::At(Page(), i), centre)), 8, 1e-4);
    }
    // The edge of an icosahedron of circumradius R is 4R / √(10 + 2√5).
    const double edge = 4 * 8 / std::sqrt(10 + 2 * std::sqrt(5.0));
    for (const auto& [key, line] : Page().m_lines) {
        EXPECT_NEAR(test::Norm(test::Minus(test::At(Page(), line->m_nStart),
                                           test::At(Page(), line->m_nEnd))),
                    edge, 1e-4);
    }
    EXPECT_EQ(test::NormalsSide(Page(), 0), 1);
    EXPECT_EQ(Page().m_chNextLabel, 'M');
}

TEST_F(SolidGenerators, GeometricSphereOfRadiusEightPutsOPrimeAndA) {
    ASSERT_TRUE(Build(FigureType::kGeometricSphere));
    EXPECT_EQ(Labels(Page()), (std::vector<std::string>{"O", "O'", "A"}));
    ExpectPosition(Page(), 1, {0, 0, 4.6188f}, 1e-4);
    ExpectPosition(Page(), 2, {0, -6.5320f, 4.6188f}, 1e-4);
    EXPECT_EQ(Page().m_solids.size(), 4u);
    EXPECT_EQ(Page().m_faces.size(), 1u);
    EXPECT_EQ(LastRecord(),
              (std::vector<std::string>{"添加几何球体", "添加组件", "添加点", "添加线", "添加面"}));
}

TEST_F(SolidGenerators, CylinderIsItsSideAndTwoRimsRecordedAlone) {
    ASSERT_TRUE(Build(FigureType::kCylinder));
    ASSERT_EQ(Page().m_solids.size(), 3u);
    const CSubassembly& side = *Page().m_solids.at(1);
    EXPECT_EQ(side.m_nKind, kSolidCylinderSide);
    EXPECT_EQ(side.m_position, (Float3{0, 0, -5}));
    EXPECT_EQ(side.m_direction, (Float3{0, 0, 1}));
    EXPECT_EQ(side.m_scale, (Float3{5, 5, 10}));
    const CSubassembly& top = *Page().m_solids.at(2);
    EXPECT_EQ(top.m_nKind, kSolidCircleOutline);
    EXPECT_EQ(top.m_position, (Float3{0, 0, 5}));
    EXPECT_EQ(top.m_scale, (Float3{5, 5, 5}));
    EXPECT_EQ(Page().m_solids.at(3)->m_position, (Float3{0, 0, -5}));
    EXPECT_EQ(Page().m_nVertexCount, 0);
    EXPECT_EQ(LastRecord(), (std::vector<std::string>{"添加圆柱"}));
}

TEST_F(SolidGenerators, ConeHasOneRimAndTheConeFrustumATopRimOfTheRatio) {
    ASSERT_TRUE(Build(FigureType::kCone, [](FigureSetValues& v) { v.height = 7; }));
    ASSERT_EQ(Page().m_solids.size(), 2u);
    EXPECT_EQ(Page().m_solids.at(1)->m_nKind, kSolidConeSide);
    EXPECT_EQ(Page().m_solids.at(1)->m_scale, (Float3{5, 5, 7}));
    EXPECT_EQ(Page().m_solids.at(2)->m_position, (Float3{0, 0, -5}));
    EXPECT_EQ(LastRecord(), (std::vector<std::string>{"添加圆锥"}));

    ASSERT_TRUE(Build(FigureType::kConeFrustum, [](FigureSetValues& v) { v.ratio = 0.4f; }));
    ASSERT_EQ(Page().m_solids.size(), 5u);
    const CSubassembly& side = *Page().m_solids.at(3);
    EXPECT_EQ(side.m_nKind, kSolidFrustumSide);
    EXPECT_DOUBLE_EQ(side.m_dShape, 0.4f);
    EXPECT_NEAR(Page().m_solids.at(4)->m_scale[0], 2.0, 1e-6);
    EXPECT_EQ(Page().m_solids.at(4)->m_position, (Float3{0, 0, 5}));
    EXPECT_EQ(LastRecord(), (std::vector<std::string>{"添加圆台"}));
}

TEST_F(SolidGenerators, UndoRemovesEveryFigureInOneStepAndRedoBringsItBack) {
    for (int type = 0; type < kFigureTypeCount; ++type) {
        Page().Clear();
        History().ClearAll();
        Page().AddVertex(1, 2, 3);
        Page().AddVertex(4, 5, 6);
        Page().AddLine(0, 1);
        const auto before = test::CopyPage(Page());
        ASSERT_TRUE(Build(static_cast<FigureType>(type))) << type;
        const auto after = test::CopyPage(Page());
        ASSERT_TRUE(History().Undo());
        EXPECT_TRUE(test::PagesEqual(*before, Page(), {.labelCounters = false})) << type;
        EXPECT_FALSE(History().CanUndo()) << type;
        ASSERT_TRUE(History().Redo());
        EXPECT_TRUE(test::PagesEqual(*after, Page())) << type;
    }
}

TEST_F(SolidGenerators, LargestFiguresKeepAllTheirFaces) {
    const struct {
        FigureType type;
        size_t faces;
    } cases[] = {{FigureType::kCube, 6},        {FigureType::kPrism, 22},
                 {FigureType::kPyramid, 21},    {FigureType::kFrustum, 22},
                 {FigureType::kPolygon, 1},     {FigureType::kIntersectingPlanes, 3},
                 {FigureType::kOctahedron, 8},  {FigureType::kDodecahedron, 12},
                 {FigureType::kIcosahedron, 20}};
    for (const auto& c : cases) {
        Page().Clear();
        ASSERT_TRUE(Build(c.type, [](FigureSetValues& v) {
            v.edge = v.radius = v.height = 100;
            v.sides = 20;
        }));
        EXPECT_EQ(Page().m_faces.size(), c.faces) << static_cast<int>(c.type);
        test::ExpectFacesPlanar(Page());
    }
}

TEST_F(SolidGenerators, ValuesOutOfRangeAreRefusedWithAMessage) {
    EXPECT_FALSE(Build(FigureType::kOctahedron, [](FigureSetValues& v) { v.radius = 0.05f; }));
    EXPECT_FALSE(Build(FigureType::kPrism, [](FigureSetValues& v) { v.sides = 21; }));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"请输入一个介于 0.1 和 100 之间的数。",
                                                        "请输入一个介于 3 和 20 之间的整数。"}));
    EXPECT_EQ(Page().m_nVertexCount, 0);
    EXPECT_FALSE(History().CanUndo());
    // A field the figure does not use is not checked.
    EXPECT_TRUE(Build(FigureType::kCube, [](FigureSetValues& v) { v.radius = 0; }));
}

TEST_F(SolidGenerators, ToolbarCubeTetrahedronAndSphereShareOneCircumscribedSphere) {
    ASSERT_TRUE(AddToolbarCube(doc));
    ExpectPosition(Page(), 0, {5, 5, 5});
    EXPECT_EQ(LastRecord().front(), "添加正方体");

    ASSERT_TRUE(AddToolbarTetrahedron(doc));
    EXPECT_EQ(Page().m_nVertexCount, 12);
    EXPECT_EQ(Page().m_lines.size(), 18u);
    EXPECT_EQ(Page().m_faces.size(), 10u);
    for (int i = 8; i < 12; ++i) {
        EXPECT_NEAR(test::Norm(test::At(Page(), i)), 5 * kSqrt3, 1e-4);
        for (int j = i + 1; j < 12; ++j) {
            EXPECT_NEAR(test::Norm(test::Minus(test::At(Page(), i), test::At(Page(), j))),
                        10 * std::sqrt(2.0), 1e-4);
        }
    }
    EXPECT_EQ(LastRecord(), (std::vector<std::string>{"添加三棱锥", "添加点", "添加线", "添加面"}));

    ASSERT_TRUE(AddToolbarGeometricSphere(doc));
    EXPECT_NEAR(Page().m_solids.at(1)->m_scale[0], 5 * kSqrt3, 1e-5);
    EXPECT_EQ(LastRecord().front(), "添加几何球体");
}

}  // namespace
}  // namespace velnor
