#include <gtest/gtest.h>

#include <cmath>

#include "geometry/constructions.h"
#include "model/gl_model.h"
#include "page_builder.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

using test::AddPoints;
using test::ExpectPosition;

const CLineCell& LastLine(const CGpage& page) {
    return *page.m_lines.rbegin()->second;
}

TEST(PerpendicularToLine, AddsTheFootAndJoinsItWithTheCurrentKind) {
    CGlModel settings;
    settings.m_nLineKind = kRay;
    CGpage page;
    page.UseSettings(settings);
    AddPoints(page, {{0, 0, 0}, {4, 2, 0}, {1, 3, 0}});
    page.m_selLines = {page.AddLine(0, 1)};
    page.m_selPoints = {2};

    ASSERT_TRUE(ConstructPerpendicular(page));

    // Foot of (1, 3) on the line through the origin along (2, 1): ((1·2 + 3·1) / 5)(2, 1).
    ExpectPosition(page, 3, {2, 1, 0});
    const CLineCell& line = LastLine(page);
    EXPECT_EQ(line.m_nStart, 2);
    EXPECT_EQ(line.m_nEnd, 3);
    EXPECT_EQ(line.m_nKind, kRay);
    EXPECT_EQ(line.m_strName, "CD");
    EXPECT_TRUE(page.m_selPoints.empty());
    EXPECT_TRUE(page.m_selLines.empty());
}

TEST(PerpendicularToLine, PointOnTheLineIsRefused) {
    test::RecordingMessages messages;
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {4, 2, 0}, {6, 3, 0}});
    page.m_selLines = {page.AddLine(0, 1)};
    page.m_selPoints = {2};
    EXPECT_FALSE(ConstructPerpendicular(page));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"点在线上，有无数条垂线，不作出"});
    EXPECT_EQ(page.m_nVertexCount, 3);
    EXPECT_EQ(page.m_lines.size(), 1u);
    EXPECT_EQ(page.m_selPoints, std::vector<int>{2});
}

TEST(PerpendicularToLine, LineWhoseEndsCoincideIsRefused) {
    test::RecordingMessages messages;
    CGpage page;
    AddPoints(page, {{1, 1, 1}, {1, 1, 1}, {5, 0, 0}});
    page.m_selLines = {page.AddLine(0, 1)};
    page.m_selPoints = {2};
    EXPECT_FALSE(ConstructPerpendicular(page));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"所选直线的两端点重合,无法确定直线!"});
    EXPECT_EQ(page.m_nVertexCount, 3);
}

// A unit square ABCD in z = 0, counter-clockwise seen from above, and a point E.
CGpage SquareAndPoint(Float3 e) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, e});
    page.m_selFaces = {*page.AddFace(std::vector<int>{0, 1, 2, 3})};
    page.m_selPoints = {4};
    return page;
}

TEST(PerpendicularToFace, DropsToTheFootInThePlane) {
    CGpage page = SquareAndPoint({3, -2, 5});
    ASSERT_TRUE(ConstructPerpendicular(page));
    ExpectPosition(page, 5, {3, -2, 0});
    EXPECT_EQ(LastLine(page).m_nStart, 4);
    EXPECT_EQ(LastLine(page).m_nEnd, 5);
    EXPECT_EQ(LastLine(page).m_nKind, kSegment);
    EXPECT_TRUE(page.m_selPoints.empty());
    EXPECT_TRUE(page.m_selFaces.empty());
}

TEST(PerpendicularToFace, PointInThePlaneGetsTheNormalLineTenUnitsLong) {
    CGpage page = SquareAndPoint({0.5f, 0.5f, 0});
    ASSERT_TRUE(ConstructPerpendicular(page));
    // The normal of a face listed counter-clockwise from above points down.
    ExpectPosition(page, 5, {0.5f, 0.5f, -10});
    EXPECT_EQ(LastLine(page).m_nKind, kStraightLine);
}

TEST(PerpendicularToFace, FaceWithoutANormalIsRefused) {
    test::RecordingMessages messages;
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {0.5f, 0.5f, 0}});
    page.m_selFaces = {*page.AddFace(std::vector<int>{0, 1, 2})};
    page.m_selPoints = {3};
    EXPECT_FALSE(ConstructPerpendicular(page));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"所选平面的前三个顶点共线,无法确定法线!"});
    EXPECT_EQ(page.m_nVertexCount, 4);
    EXPECT_TRUE(page.m_lines.empty());
}

TEST(CommonPerpendicular, SegmentBetweenTheFeetOfTheExample) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 1, 1}});
    page.m_selLines = {page.AddLine(0, 1), page.AddLine(2, 3)};
    ASSERT_TRUE(ConstructCommonPerpendicular(page));
    ExpectPosition(page, 4, {0, 0, 1});  // on the second line first
    ExpectPosition(page, 5, {0, 0, 0});
    EXPECT_EQ(LastLine(page).m_nStart, 4);
    EXPECT_EQ(LastLine(page).m_nEnd, 5);
    EXPECT_EQ(LastLine(page).m_nKind, kSegment);
    EXPECT_EQ(page.m_selPoints, (std::vector<int>{4, 5}));
    EXPECT_TRUE(page.m_selLines.empty());
}

TEST(CommonPerpendicular, FeetOfSkewLinesAwayFromTheirEnds) {
    CGpage page;
    // The x axis, and the upright line x = 2, y = 3: the feet are (2, 0, 0) and (2, 3, 0).
    AddPoints(page, {{-1, 0, 0}, {1, 0, 0}, {2, 3, 5}, {2, 3, 4}});
    page.m_selLines = {page.AddLine(0, 1), page.AddLine(2, 3)};
    ASSERT_TRUE(ConstructCommonPerpendicular(page));
    ExpectPosition(page, 4, {2, 3, 0});
    ExpectPosition(page, 5, {2, 0, 0});
}

TEST(CommonPerpendicular, CoplanarLinesAreRefused) {
    test::RecordingMessages messages;
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {0, 0, 0.005f}, {0, 1, 0.005f}});
    page.m_selLines = {page.AddLine(0, 1), page.AddLine(2, 3)};
    EXPECT_FALSE(ConstructCommonPerpendicular(page));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"共面直线!"});
    EXPECT_EQ(page.m_nVertexCount, 4);
    EXPECT_EQ(page.m_selLines.size(), 2u);
}

TEST(Parallel, StraightLineThroughThePointAtPlusAndMinusTheDirection) {
    CGpage page;
    AddPoints(page, {{1, 0, 0}, {3, 1, 0}, {0, 5, 0}});
    page.m_selLines = {page.AddLine(0, 1)};
    page.m_selPoints = {2};
    ASSERT_TRUE(ConstructParallel(page));
    ExpectPosition(page, 3, {-2, 4, 0});
    ExpectPosition(page, 4, {2, 6, 0});
    EXPECT_EQ(LastLine(page).m_nStart, 3);
    EXPECT_EQ(LastLine(page).m_nEnd, 4);
    EXPECT_EQ(LastLine(page).m_nKind, kStraightLine);
    EXPECT_TRUE(page.m_selPoints.empty());
    EXPECT_TRUE(page.m_selLines.empty());
}

TEST(Parallel, PointOnTheLineIsRefusedButTheSelectionIsStillDropped) {
    test::RecordingMessages messages;
    CGpage page;
    // 0.0009 from the line counts as on it.
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {7, 0.0009f, 0}});
    page.m_selLines = {page.AddLine(0, 1)};
    page.m_selPoints = {2};
    EXPECT_FALSE(ConstructParallel(page));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"点在线上!"});
    EXPECT_EQ(page.m_nVertexCount, 3);
    EXPECT_EQ(page.m_lines.size(), 1u);
    EXPECT_TRUE(page.m_selPoints.empty());
    EXPECT_TRUE(page.m_selLines.empty());
}

TEST(Parallel, ElevenTenThousandthsFromTheLineIsEnough) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {7, 0.0011f, 0}});
    page.m_selLines = {page.AddLine(0, 1)};
    page.m_selPoints = {2};
    EXPECT_TRUE(ConstructParallel(page));
    EXPECT_EQ(page.m_nVertexCount, 5);
}

TEST(AngleBisector, RayFromTheVertexThroughTheDividingPoint) {
    CGpage page;
    AddPoints(page, {{2, 0, 0}, {0, 0, 0}, {0, 5, 0}});
    page.m_selPoints = {0, 1, 2};
    ASSERT_TRUE(ConstructAngleBisector(page));
    // AD : DC = 2 : 5 on AC, which puts D on the diagonal x = y: D = A + (2/7)(C − A).
    ExpectPosition(page, 3, {10.0f / 7, 10.0f / 7, 0});
    EXPECT_EQ(LastLine(page).m_nStart, 1);
    EXPECT_EQ(LastLine(page).m_nEnd, 3);
    EXPECT_EQ(LastLine(page).m_nKind, kRay);
    EXPECT_EQ(page.m_selPoints, (std::vector<int>{0, 1, 2, 3}));
}

TEST(AngleBisector, ArmOfNoLengthFailsWithoutAMessage) {
    test::RecordingMessages messages;
    CGpage page;
    AddPoints(page, {{2, 0, 0}, {2, 0, 0}, {0, 5, 0}});
    page.m_selPoints = {0, 1, 2};
    EXPECT_FALSE(ConstructAngleBisector(page));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(page.m_nVertexCount, 3);
    EXPECT_TRUE(page.m_lines.empty());
}

TEST(Constructions, FullVertexTableStopsATwoPointConstructionBeforeItStarts) {
    test::RecordingMessages messages;
    CGpage page;
    for (int i = 0; i < 199; ++i) {
        page.AddVertex(float(i % 7), float(i / 7), float(i % 3));
    }
    page.ClearSelection();
    page.AddVertex(0, 5, 0);  // the 200th vertex, off the line
    page.m_selLines = {page.AddLine(0, 1)};
    ASSERT_EQ(page.m_selPoints, std::vector<int>{199});
    EXPECT_FALSE(ConstructParallel(page));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"本页顶点数已达界限,请新建一页"});
    EXPECT_EQ(page.m_nVertexCount, 200);
    EXPECT_EQ(page.m_lines.size(), 1u);
}

}  // namespace
}  // namespace velnor
