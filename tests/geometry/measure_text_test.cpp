#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry/measure_enabling.h"
#include "geometry/measure_text.h"
#include "page_builder.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

using test::AddPoints;

const CDTextCell& Text(const CGpage& page, uint16_t key) {
    return *page.m_texts.at(key);
}

TEST(MeasureText, DistanceFollowsTheVertexWhenItMoves) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {3, 4, 0}});
    page.m_selPoints = {0, 1};

    const std::optional<uint16_t> key = AddMeasureText(page, kPointDistance);

    ASSERT_EQ(key, 1);
    const CDTextCell& text = Text(page, 1);
    EXPECT_EQ(text.m_strText, "| AB |=5.0000");
    EXPECT_EQ(text.m_strName, "| AB |");
    EXPECT_EQ(text.m_nType, kPointDistance);
    EXPECT_EQ(text.m_nVertCount, 2u);
    EXPECT_EQ(text.m_nPlaceX, 200);
    EXPECT_EQ(text.m_nPlaceY, 30);
    EXPECT_EQ(page.m_nNextTextId, 2);
    EXPECT_EQ(page.m_selPoints, (std::vector<int>{0, 1}));  // the selection stays

    page.m_pos[1] = {6, 8, 0};
    UpdateAllTexts(page);
    EXPECT_EQ(text.m_strText, "| AB |=10.0000");
    EXPECT_FLOAT_EQ(text.m_fValue, 10.0f);
}

TEST(MeasureText, CoordinatesOfAPoint) {
    CGpage page;
    AddPoints(page, {{1, -2, 0.5f}});
    page.m_selPoints = {0};
    ASSERT_TRUE(AddMeasureText(page, kPointCoordinates));
    EXPECT_EQ(Text(page, 1).m_strText, "A ( 1.0000 , -2.0000 , 0.5000 )");
}

TEST(MeasureText, LengthOfOneLineIsStoredAsADistance) {
    CGpage page;
    AddPoints(page, {{1, 1, 1}, {1, 1, 1}, {1, 3, 1}});
    page.m_selLines = {page.AddLine(2, 0)};
    ASSERT_TRUE(AddMeasureText(page, kSegmentLength));
    const CDTextCell& text = Text(page, 1);
    EXPECT_EQ(text.m_nType, kPointDistance);
    EXPECT_EQ(text.m_strText, "| CA |=2.0000");
    EXPECT_EQ(std::vector<uint8_t>(text.Verts().begin(), text.Verts().end()),
              (std::vector<uint8_t>{2, 0}));
}

TEST(MeasureText, SuccessiveTextsStackThirtyPixelsApart) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}});
    page.m_selPoints = {0, 1};
    AddMeasureText(page, kPointDistance);
    AddMeasureText(page, kPointDistance);
    EXPECT_EQ(Text(page, 2).m_nPlaceY, 60);
}

TEST(MeasureText, PointToLineAndPointToPlane) {
    CGpage page;
    // The plane x + z = 2 through A, B, C holds the line AB; both are √2 from D at the origin.
    AddPoints(page, {{2, 0, 0}, {0, 0, 2}, {0, 1, 2}, {0, 0, 0}});
    const uint16_t ab = page.AddLine(0, 1);
    const uint16_t abc = *page.AddFace(std::vector<int>{0, 1, 2});

    page.m_selPoints = {3};
    page.m_selLines = {ab};
    ASSERT_TRUE(AddMeasureText(page, kPointLineDistance));
    page.m_selLines.clear();
    page.m_selFaces = {abc};
    ASSERT_TRUE(AddMeasureText(page, kPointPlaneDistance));

    EXPECT_EQ(Text(page, 1).m_strText, "| D , AB |=1.4142");
    EXPECT_EQ(Text(page, 2).m_strText, "| D , ABC |=1.4142");
    EXPECT_EQ(Text(page, 2).m_nVertCount, 4u);
}

// The unit cube's vertices A..H: ABCD the bottom square, EFGH above it.
CGpage UnitCube() {
    CGpage page;
    AddPoints(
        page,
        {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}});
    return page;
}

TEST(MeasureText, DistanceAndAngleOfTwoLines) {
    CGpage page = UnitCube();
    // AB and the diagonal EG of the top face: skew, 1 apart, at 45 degrees.
    page.m_selLines = {page.AddLine(0, 1), page.AddLine(4, 6)};
    ASSERT_TRUE(AddMeasureText(page, kLineLineDistance));
    ASSERT_TRUE(AddMeasureText(page, kLineLineAngle));
    EXPECT_EQ(Text(page, 1).m_strText, "| AB , EG |=1.0000");
    EXPECT_EQ(Text(page, 2).m_strText, "< AB , EG >=45.0000");
}

TEST(MeasureText, AngleOfStraightThreePointsIs180AndOfTheirLinesZero) {
    CGpage page;
    AddPoints(page, {{1, 0, 0}, {0, 0, 0}, {-1, 0, 0}});
    page.m_selPoints = {0, 1, 2};
    ASSERT_TRUE(AddMeasureText(page, kVertexAngle));
    EXPECT_EQ(Text(page, 1).m_strText, "< ABC=180.0000");

    page.ClearSelection();
    page.m_selLines = {page.AddLine(0, 1), page.AddLine(1, 2)};
    ASSERT_TRUE(AddMeasureText(page, kLineLineAngle));
    EXPECT_EQ(Text(page, 2).m_strText, "< AB , BC >=0.0000");
}

TEST(MeasureText, LinePlaneAngleAndDihedralAngles) {
    CGpage page = UnitCube();
    const uint16_t bottom = *page.AddFace(std::vector<int>{0, 1, 2, 3});
    const uint16_t front = *page.AddFace(std::vector<int>{0, 1, 5, 4});
    const uint16_t top = *page.AddFace(std::vector<int>{4, 5, 6, 7});
    // AG rises 1 over a diagonal of √2: atan(1 / √2) to the bottom.
    page.m_selLines = {page.AddLine(0, 6)};
    page.m_selFaces = {bottom};
    ASSERT_TRUE(AddMeasureText(page, kLinePlaneAngle));
    page.m_selLines.clear();
    page.m_selFaces = {bottom, front};
    ASSERT_TRUE(AddMeasureText(page, kDihedralAngle));
    page.m_selFaces = {bottom, top};
    ASSERT_TRUE(AddMeasureText(page, kDihedralAngle));

    // atan(1 / √2) = 35.26439 degrees.
    EXPECT_EQ(Text(page, 1).m_strText, "< AG , ABC >=35.2644");
    EXPECT_EQ(Text(page, 2).m_strText, "< ABC , ABF >=90.0000");
    EXPECT_EQ(Text(page, 3).m_strText, "< ABC , EFG >=0.0000");
}

TEST(MeasureText, AreaOfAFaceNamesItsFirstThreeVertices) {
    CGpage page = UnitCube();
    page.m_selFaces = {*page.AddFace(std::vector<int>{0, 1, 2, 3})};
    ASSERT_TRUE(AddMeasureText(page, kFaceArea));
    EXPECT_EQ(Text(page, 1).m_strText, "S( ABC...)=1.0000");
    EXPECT_EQ(Text(page, 1).m_nVertCount, 4u);
}

TEST(MeasureText, FaceOfSevenVerticesIsNotMeasuredForArea) {
    test::RecordingMessages messages;
    CGpage page;
    for (int i = 0; i < 7; ++i) {
        const double t = i * 2 * 3.14159265358979 / 7;
        page.AddVertex(float(std::cos(t)), float(std::sin(t)), 0);
    }
    page.ClearSelection();
    page.m_selFaces = {*page.AddFace(std::vector<int>{0, 1, 2, 3, 4, 5, 6})};
    EXPECT_FALSE(AddMeasureText(page, kFaceArea));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"边数不要超过6!"});
    EXPECT_TRUE(page.m_texts.empty());
    EXPECT_EQ(page.m_nNextTextId, 1);
}

TEST(MeasureText, VolumeOfTheCornerTetrahedron) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
    page.m_selPoints = {0, 1, 2, 3};
    ASSERT_TRUE(AddMeasureText(page, kTetraVolume));
    EXPECT_EQ(Text(page, 1).m_strText, "V( ABCD )=0.1667");
}

TEST(MeasureText, PlaneEquationIsScaledToALeadingOneAndEndsInABlank) {
    CGpage page;
    AddPoints(page, {{2, 0, 0}, {0, 0, 2}, {0, 1, 2}});
    page.m_selFaces = {*page.AddFace(std::vector<int>{0, 1, 2})};
    ASSERT_TRUE(AddMeasureText(page, kPlaneEquation));
    const CDTextCell& text = Text(page, 1);
    EXPECT_EQ(text.m_strText, "ABC : 1.0000x+0.0000y+1.0000z-2.0000=0 ");
    EXPECT_EQ(text.m_nPlaceX, 320);
    EXPECT_EQ(text.m_strName, "ABC");
}

TEST(MeasureText, PlaneEquationLeadsWithTheFirstClearCoefficient) {
    CGpage page;
    // The plane y = 2z − 1 seen through A(0,1,1), B(1,1,1), C(0,3,2); n = (A − B) × (C − B)
    // = (−1,0,0) × (−1,2,1) = (0, 1, −2), so the y coefficient leads.
    AddPoints(page, {{0, 1, 1}, {1, 1, 1}, {0, 3, 2}});
    page.m_selFaces = {*page.AddFace(std::vector<int>{0, 1, 2})};
    ASSERT_TRUE(AddMeasureText(page, kPlaneEquation));
    EXPECT_EQ(Text(page, 1).m_strText, "ABC : 0.0000x+1.0000y-2.0000z+1.0000=0 ");
}

TEST(MeasureText, SelectionThatDoesNotFitAddsNothing) {
    test::RecordingMessages messages;
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    page.m_selPoints = {0, 1, 2};
    EXPECT_FALSE(AddMeasureText(page, kPointDistance));
    EXPECT_FALSE(AddMeasureText(page, 13));
    EXPECT_TRUE(page.m_texts.empty());
    EXPECT_TRUE(messages.texts.empty());
}

TEST(MeasureText, LinesOfNoLengthAndFacesOnOneLineAreRefused) {
    test::RecordingMessages messages;
    CGpage page;
    AddPoints(page, {{1, 1, 1}, {1, 1, 1}, {0, 0, 0}, {0, 4, 0}, {3, 0, 0}, {6, 0, 0}});
    const uint16_t none = page.AddLine(0, 1);
    page.m_selLines = {none, page.AddLine(2, 3)};
    EXPECT_FALSE(AddMeasureText(page, kLineLineAngle));
    EXPECT_FALSE(AddMeasureText(page, kLineLineDistance));
    page.m_selLines = {none};
    page.m_selPoints = {4};
    EXPECT_FALSE(AddMeasureText(page, kPointLineDistance));
    // Three collinear points: no plane.
    page.ClearSelection();
    page.m_selFaces = {*page.AddFace(std::vector<int>{2, 4, 5})};
    EXPECT_FALSE(AddMeasureText(page, kPlaneEquation));

    EXPECT_TRUE(page.m_texts.empty());
    const std::string noLine = "所选直线的两端点重合,无法确定直线!";
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{noLine, noLine, noLine,
                                        "所选平面的顶点都在一条直线上,无法确定平面!"}));
}

TEST(MeasureText, TextWithTooFewVerticesForItsTypeIsLeftAlone) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}});
    CDTextCell text(kDihedralAngle);
    text.m_nVertCount = 2;
    text.m_strText = "kept";
    UpdateMeasure(page, text);
    EXPECT_EQ(text.m_strText, "kept");
}

TEST(MeasureEnabling, CountsOfTheSelectionDecide) {
    CGpage page = UnitCube();
    page.m_selPoints = {0, 1};
    EXPECT_TRUE(CanAddMeasureText(page, kPointDistance));
    EXPECT_EQ(DistanceMeasureRequest(page), kPointDistance);
    page.m_selSolids = {1};
    EXPECT_TRUE(CanAddMeasureText(page, kPointDistance));  // solids are not counted here
    page.m_selPoints = {0, 1, 2, 3};
    EXPECT_FALSE(CanAddMeasureText(page, kTetraVolume));  // ... but are here
    page.m_selSolids.clear();
    EXPECT_TRUE(CanAddMeasureText(page, kTetraVolume));

    page.ClearSelection();
    page.m_selLines = {page.AddLine(0, 1)};
    EXPECT_EQ(DistanceMeasureRequest(page), kSegmentLength);
    EXPECT_TRUE(CanMeasureDistance(page));
    page.m_selFaces = {*page.AddFace(std::vector<int>{0, 1, 2})};
    EXPECT_FALSE(CanMeasureDistance(page));
    EXPECT_TRUE(CanAddMeasureText(page, kLinePlaneAngle));
    EXPECT_EQ(MeasureUndoName(kSegmentLength), "添加距离度量文本");
    EXPECT_EQ(MeasureUndoName(kVertexAngle), "添加角的度量值");
}

}  // namespace
}  // namespace velnor
