#include <gtest/gtest.h>

#include "geometry/constructions.h"
#include "page_builder.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

using test::AddPoints;
using test::ExpectPosition;

TEST(RatioPoints, MidpointsOfEverySelectedLineAreAddedAndSelected) {
    test::RecordingMessages messages;
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {2, 4, 6}, {1, 1, 1}, {3, 1, -1}});
    page.m_selLines = {page.AddLine(0, 1), page.AddLine(2, 3)};
    page.m_selPoints = {1};

    ASSERT_TRUE(ConstructRatioPoints(page, 1.0f));

    EXPECT_EQ(page.m_nVertexCount, 6);
    ExpectPosition(page, 4, {1, 2, 3});
    ExpectPosition(page, 5, {2, 1, 0});
    EXPECT_EQ(page.m_label[4], "E");
    EXPECT_EQ(page.m_label[5], "F");
    EXPECT_EQ(page.m_selPoints, (std::vector<int>{1, 4, 5}));
    EXPECT_TRUE(page.m_selLines.empty());
    EXPECT_EQ(page.m_lines.size(), 2u);
    EXPECT_TRUE(messages.texts.empty());
}

TEST(RatioPoints, RatioTwoToOneLiesTwoThirdsAlong) {
    CGpage page;
    AddPoints(page, {{0, 3, 0}, {3, 6, -9}});
    page.m_selLines = {page.AddLine(0, 1)};
    ASSERT_TRUE(ConstructRatioPoints(page, 2, 1));
    ExpectPosition(page, 2, {2, 5, -6});
}

TEST(RatioPoints, NegativeRatioDividesExternally) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}});
    page.m_selLines = {page.AddLine(0, 1)};
    // AP : PB = −2 : 1 puts P beyond B, at twice AB.
    ASSERT_TRUE(ConstructRatioPoints(page, -2, 1));
    ExpectPosition(page, 2, {2, 0, 0});
}

TEST(RatioPoints, RatiosWithoutAFinitePointAreRefusedAndAddNothing) {
    test::RecordingMessages messages;
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}});
    const uint16_t line = page.AddLine(0, 1);
    for (auto [m, n] : {std::pair{3, 0}, std::pair{-2, 2}, std::pair{5, -5}}) {
        page.m_selLines = {line};
        EXPECT_FALSE(ConstructRatioPoints(page, m, n)) << m << ":" << n;
        EXPECT_EQ(page.m_nVertexCount, 2);
        EXPECT_EQ(page.m_selLines, std::vector<int>{line});
    }
    ASSERT_EQ(messages.texts.size(), 3u);
    EXPECT_EQ(messages.texts[0], "比值不能为-1,分母不能为0!");
}

TEST(RatioPoints, WithoutRoomForEveryPointNothingIsAdded) {
    test::RecordingMessages messages;
    CGpage page;
    for (int i = 0; i < 199; ++i) {
        page.AddVertex(float(i), 0, 0);
    }
    page.ClearSelection();
    page.m_selLines = {page.AddLine(0, 1), page.AddLine(2, 3)};

    EXPECT_FALSE(ConstructRatioPoints(page, 1.0f));
    EXPECT_EQ(page.m_nVertexCount, 199);
    EXPECT_EQ(page.m_selLines.size(), 2u);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"本页顶点数已达界限,请新建一页"});
}

TEST(SymmetricPoint, ReflectsTheFirstThroughTheSecondAndKeepsTheSelection) {
    CGpage page;
    AddPoints(page, {{1, 2, 3}, {0, 0, 1}});
    page.m_selPoints = {0, 1};
    ASSERT_TRUE(ConstructSymmetricPoint(page));
    ExpectPosition(page, 2, {-1, -2, -1});
    EXPECT_EQ(page.m_selPoints, (std::vector<int>{0, 1, 2}));
}

TEST(SymmetricPoint, OtherSelectionsFailSilently) {
    test::RecordingMessages messages;
    CGpage page;
    AddPoints(page, {{1, 2, 3}, {0, 0, 1}, {5, 5, 5}});
    page.m_selPoints = {0, 1, 2};
    EXPECT_FALSE(ConstructSymmetricPoint(page));
    EXPECT_EQ(page.m_nVertexCount, 3);
    EXPECT_TRUE(messages.texts.empty());
}

// AB along x from 0 to 2; CD upright through x = 1, starting on AB.
CGpage CrossingSegments() {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {2, 0, 0}, {1, 0, 0}, {1, 2, 0}});
    page.AddLine(0, 1);
    page.AddLine(2, 3);
    return page;
}

TEST(Intersection, SegmentsCrossingInsideTheFirstGiveANewSelectedVertex) {
    test::RecordingMessages messages;
    CGpage page = CrossingSegments();
    page.m_selLines = {1, 2};
    ASSERT_TRUE(ConstructIntersection(page));
    ExpectPosition(page, 4, {1, 0, 0});
    EXPECT_EQ(page.m_label[4], "E");
    EXPECT_EQ(page.m_selPoints, std::vector<int>{4});
    EXPECT_TRUE(page.m_selLines.empty());
    EXPECT_TRUE(messages.texts.empty());
}

TEST(Intersection, MeetingAtAnEndOfTheFirstSelectedLineIsRefused) {
    test::RecordingMessages messages;
    CGpage page = CrossingSegments();
    page.m_selLines = {2, 1};  // CD first: they meet at C
    EXPECT_FALSE(ConstructIntersection(page));
    EXPECT_EQ(page.m_nVertexCount, 4);
    EXPECT_EQ(page.m_selLines, (std::vector<int>{2, 1}));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"交点是线段的一个端点,不需另作!"});

    // At the far end of the first line as well.
    CGpage other;
    AddPoints(other, {{0, 0, 0}, {2, 0, 0}, {2, -1, 0}, {2, 1, 0}});
    other.AddLine(0, 1);
    other.AddLine(2, 3);
    other.m_selLines = {1, 2};
    EXPECT_FALSE(ConstructIntersection(other));
    EXPECT_EQ(messages.texts.size(), 2u);
}

TEST(Intersection, LinesAreInfiniteSoAMeetingPointBeyondBothSegmentsIsFound) {
    CGpage page;
    // They meet at M = (3, 3, 3): A + 3 AB, and C − CD.
    AddPoints(page, {{0, 0, 0}, {1, 1, 1}, {3, 5, 2}, {3, 7, 1}});
    page.m_selLines = {page.AddLine(0, 1), page.AddLine(2, 3)};
    ASSERT_TRUE(ConstructIntersection(page));
    ExpectPosition(page, 4, {3, 3, 3});
}

TEST(Intersection, SkewAndParallelLinesAreRefused) {
    test::RecordingMessages messages;
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 3, 0}, {2, 3, 0}});
    const uint16_t ab = page.AddLine(0, 1);
    const uint16_t cd = page.AddLine(2, 3);
    const uint16_t ef = page.AddLine(4, 5);
    page.m_selLines = {ab, cd};
    EXPECT_FALSE(ConstructIntersection(page));
    page.m_selLines = {ab, ef};
    EXPECT_FALSE(ConstructIntersection(page));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"异面直线无交点!", "两线平行无交点!"}));
    EXPECT_EQ(page.m_nVertexCount, 6);
}

// A unit square face ABCD in z = 0, then the given line ends as E, F.
CGpage SquareAndLine(Float3 e, Float3 f) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, e, f});
    page.AddFace(std::vector<int>{0, 1, 2, 3});
    page.AddLine(4, 5);
    page.m_selLines = {1};
    page.m_selFaces = {1};
    return page;
}

TEST(Intersection, LineThroughAFaceMeetsItsPlane) {
    CGpage page = SquareAndLine({3, 1, 1}, {3, 5, -3});  // crosses z = 0 at (3, 2, 0)
    ASSERT_TRUE(ConstructIntersection(page));
    ExpectPosition(page, 6, {3, 2, 0});
    EXPECT_TRUE(page.m_selLines.empty());
    EXPECT_TRUE(page.m_selFaces.empty());
    EXPECT_EQ(page.m_selPoints, std::vector<int>{6});
}

TEST(Intersection, LineParallelToOrInsideAFaceAndLineEndingOnItAreRefused) {
    test::RecordingMessages messages;
    CGpage parallel = SquareAndLine({0, 0, 1}, {1, 1, 1});
    CGpage inside = SquareAndLine({0, 0, 0}, {2, 1, 0});
    CGpage ending = SquareAndLine({0.5f, 0.5f, 2}, {0.5f, 0.5f, 0});
    EXPECT_FALSE(ConstructIntersection(parallel));
    EXPECT_FALSE(ConstructIntersection(inside));
    EXPECT_FALSE(ConstructIntersection(ending));
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"线面不相交!", "线面不相交!", "线的一端点即交点!"}));
    for (const CGpage* page : {&parallel, &inside, &ending}) {
        EXPECT_EQ(page->m_nVertexCount, 6);
        EXPECT_EQ(page->m_selLines.size(), 1u);
        EXPECT_EQ(page->m_selFaces.size(), 1u);
    }
}

}  // namespace
}  // namespace velnor
