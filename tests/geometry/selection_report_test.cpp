#include <gtest/gtest.h>

#include "geometry/selection_report.h"
#include "page_builder.h"

namespace velnor {
namespace {

using test::AddPoints;

TEST(SelectionReport, DistanceOfTwoVerticesWhateverSolidsAreSelected) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {3, 4, 0}});
    page.m_selPoints = {1, 0};
    page.m_selSolids = {7};
    EXPECT_EQ(BuildSelectionReport(page), "点B与点A间的距离为  5 \n");
}

TEST(SelectionReport, PointOnOrOffALineAtTheOnOffBoundary) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {0.5f, 0.0009f, 0}, {0.5f, 0.0011f, 0}});
    page.m_selLines = {page.AddLine(0, 1)};
    page.m_selPoints = {2};
    EXPECT_EQ(BuildSelectionReport(page), "点 C 在直线 AB 上.\n");
    page.m_selPoints = {3};
    EXPECT_EQ(BuildSelectionReport(page), "点 D 在直线 AB 外.\n\n距离为  0.0011 \n");
}

TEST(SelectionReport, PointOnOrOffAPlane) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {5, 5, 0}, {1, 1, 2.5f}});
    page.m_selFaces = {*page.AddFace(std::vector<int>{0, 1, 2})};
    page.m_selPoints = {3};
    EXPECT_EQ(BuildSelectionReport(page), "点 D 在平面 ABC 上.\n");
    page.m_selPoints = {4};
    EXPECT_EQ(BuildSelectionReport(page), "点 E 在平面 ABC 外.\n\n距离为  2.5 \n");
}

TEST(SelectionReport, LengthOfOneLine) {
    CGpage page;
    AddPoints(page, {{1, 1, 1}, {3, 4, 7}});
    page.m_selLines = {page.AddLine(0, 1)};
    EXPECT_EQ(BuildSelectionReport(page), "线段AB \n\n长度: 7 \n");
}

// Lines AB along x and CD along y at height h.
CGpage CrossedLinesAtHeight(float h) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {0, 0, h}, {0, 1, h}});
    page.m_selLines = {page.AddLine(0, 1), page.AddLine(2, 3)};
    return page;
}

TEST(SelectionReport, SkewAtTwoHundredthsIntersectingAtFiveThousandths) {
    EXPECT_EQ(BuildSelectionReport(CrossedLinesAtHeight(0.02f)),
              "异面直线 AB与CD 间的距离为  0.02 \n\n夹角为  90 度\n\n夹角的余弦为  0.0000\n");
    EXPECT_EQ(BuildSelectionReport(CrossedLinesAtHeight(0.005f)),
              "相交直线 AB与CD\n\n夹角为  90 度\n\n夹角的余弦为  0.0000\n");
}

TEST(SelectionReport, CoincidentAndParallelLines) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {0, 2, 0}, {1, 2.0005f, 0}});
    const uint16_t ab = page.AddLine(0, 1);
    page.m_selLines = {ab, page.AddLine(1, 0)};
    EXPECT_EQ(BuildSelectionReport(page), "直线 AB与BA 重合.");
    page.m_selLines = {ab, page.AddLine(2, 3)};
    EXPECT_EQ(BuildSelectionReport(page), "平行直线 AB与CD间的距离为  2 \n");
}

TEST(SelectionReport, LineAgainstAPlane) {
    CGpage page;
    // The plane z = 0; a line rising at 45 degrees, one 3 above it, one inside it.
    AddPoints(
        page,
        {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 2}, {0, 0, 3}, {5, 1, 3}, {4, 4, 0}});
    page.m_selFaces = {*page.AddFace(std::vector<int>{0, 1, 2})};
    page.m_selLines = {page.AddLine(3, 4)};
    EXPECT_EQ(BuildSelectionReport(page),
              "直线 DE与平面ABC 相交\n\n 线面角为  45 度.\n\n余弦为  0.7071\n");
    page.m_selLines = {page.AddLine(5, 6)};
    EXPECT_EQ(BuildSelectionReport(page), "直线 FG与平面ABC 平行.\n\n距离为  3 \n");
    page.m_selLines = {page.AddLine(0, 7)};
    EXPECT_EQ(BuildSelectionReport(page), "直线 AH在平面ABC内.\n");
}

TEST(SelectionReport, UnitSquareFace) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    page.m_selFaces = {*page.AddFace(std::vector<int>{0, 1, 2, 3})};
    EXPECT_EQ(BuildSelectionReport(page), "面 ABCD      边数:  4\n\n面积: 1;  周长: 4\n");
}

TEST(SelectionReport, TwoFacesOfAUnitCube) {
    CGpage page;
    AddPoints(
        page,
        {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}});
    const uint16_t bottom = *page.AddFace(std::vector<int>{0, 1, 2, 3});
    const uint16_t front = *page.AddFace(std::vector<int>{0, 1, 5, 4});
    const uint16_t top = *page.AddFace(std::vector<int>{4, 5, 6, 7});
    const uint16_t bottomAgain = *page.AddFace(std::vector<int>{2, 1, 0});

    page.m_selFaces = {bottom, front};
    EXPECT_EQ(BuildSelectionReport(page),
              " 相交平面 ABCD与ABFE\n\n 二面角为  90 度.\n\n 余弦为  0.0000\n");
    page.m_selFaces = {bottom, top};
    EXPECT_EQ(BuildSelectionReport(page), " 平行平面 ABCD与EFGH 间的距离为  1 \n");
    page.m_selFaces = {bottom, bottomAgain};
    EXPECT_EQ(BuildSelectionReport(page), "平面 ABCD与CBA 重合.\n");
}

TEST(SelectionReport, OtherSelectionsHaveNoReportUnlessATextIsSelected) {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    page.m_selPoints = {0, 1, 2};
    EXPECT_EQ(BuildSelectionReport(page), "!!");
    page.m_selTexts = {1};
    EXPECT_EQ(
        BuildSelectionReport(page),
        "这是动态文本，是点列的子女。\n修改相关点的坐标（如动作按钮，变换，拖移），值自动变化");
    page.ClearSelection();
    EXPECT_EQ(BuildSelectionReport(page), "!!");
}

TEST(SelectionReport, DegenerateLinesAndFacesAreNamedNotMeasured) {
    CGpage page;
    // AB has no length; CDE are collinear; F lies off both.
    AddPoints(page, {{1, 1, 1}, {1, 1, 1}, {0, 0, 0}, {1, 2, 3}, {2, 4, 6}, {5, 0, 0}});
    const uint16_t ab = page.AddLine(0, 1);
    const uint16_t cd = page.AddLine(2, 3);
    const uint16_t cde = *page.AddFace(std::vector<int>{2, 3, 4});
    const uint16_t fab = *page.AddFace(std::vector<int>{5, 0, 2});

    const std::string noLine = "所选直线的两端点重合,无法确定直线!";
    const std::string noPlane = "所选平面的顶点都在一条直线上,无法确定平面!";
    page.m_selLines = {ab, cd};
    EXPECT_EQ(BuildSelectionReport(page), noLine);
    page.m_selLines = {ab};
    page.m_selFaces = {cde};
    EXPECT_EQ(BuildSelectionReport(page), noLine);
    page.m_selLines = {cd};
    EXPECT_EQ(BuildSelectionReport(page), noPlane);
    page.m_selLines.clear();
    page.m_selFaces = {cde, fab};
    EXPECT_EQ(BuildSelectionReport(page), noPlane);
    page.m_selFaces = {cde};
    page.m_selPoints = {5};
    EXPECT_EQ(BuildSelectionReport(page), noPlane);
}

}  // namespace
}  // namespace velnor
