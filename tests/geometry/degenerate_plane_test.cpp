#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "geometry/constructions.h"
#include "geometry/measure_text.h"
#include "geometry/selection_report.h"
#include "page_builder.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

using test::AddPoints;

constexpr const char* kNoPlane = "所选平面的顶点都在一条直线上,无法确定平面!";
constexpr const char* kNoLine = "所选直线的两端点重合,无法确定直线!";

// Face ABCD of A(0,0,0) B(1,0,0) C(2,0,0) D(2,3,0): its first three vertices lie on one line, so
// ABD gives its plane z = 0. E(1,1,5) lies 5 above it.
CGpage PageWithCollinearStart() {
    CGpage page;
    AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 3, 0}, {1, 1, 5}});
    page.AddFace(std::vector<int>{0, 1, 2, 3});
    return page;
}

TEST(DegeneratePlanes, AFaceTakesItsPlaneFromTheFirstThreeVerticesOffOneLine) {
    CGpage page = PageWithCollinearStart();
    page.m_selPoints = {4};
    page.m_selFaces = {1};
    EXPECT_EQ(BuildSelectionReport(page), "点 E 在平面 ABCD 外.\n\n距离为  5 \n");
    ASSERT_TRUE(AddMeasureText(page, kPointPlaneDistance));
    EXPECT_EQ(page.m_texts.at(1)->m_strText, "| E , ABD |=5.0000");
}

TEST(DegeneratePlanes, NewFacesKeepToThatPlane) {
    CGpage page = PageWithCollinearStart();
    AddPoints(page, {{5, 5, 0}});
    EXPECT_TRUE(page.AddFace(std::vector<int>{0, 1, 2, 3, 5}));
    EXPECT_FALSE(page.AddFace(std::vector<int>{0, 1, 2, 3, 4}));  // E is off the plane
}

// Every vertex of face ABC on the x axis, and a segment DE whose ends coincide: whatever needs
// the plane or the line refuses, with a message instead of a distance of 0.
TEST(DegeneratePlanes, FacesOnOneLineAndLinesOfNoLengthAreRefused) {
    struct Case {
        const char* name;
        std::vector<int> points;
        bool lineSelected;
        bool faceSelected;
        int measure;
        const char* message;
    };
    const Case cases[] = {
        {"point and plane", {5}, false, true, kPointPlaneDistance, kNoPlane},
        {"plane equation", {}, false, true, kPlaneEquation, kNoPlane},
        {"line and plane", {}, true, true, kLinePlaneAngle, kNoLine},
        {"point and line", {5}, true, false, kPointLineDistance, kNoLine},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::RecordingMessages messages;
        CGpage page;
        AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {3, 0, 0}, {1, 1, 1}, {1, 1, 1}, {3, 3, 3}});
        page.AddFace(std::vector<int>{0, 1, 2});
        page.AddLine(3, 4, 0);
        page.m_selPoints = c.points;
        page.m_selLines = c.lineSelected ? std::vector<int>{1} : std::vector<int>{};
        page.m_selFaces = c.faceSelected ? std::vector<int>{1} : std::vector<int>{};
        if (c.measure != kPlaneEquation) {  // one face alone reports its area
            EXPECT_EQ(BuildSelectionReport(page), c.message);
        }
        EXPECT_EQ(AddMeasureText(page, c.measure), std::nullopt);
        EXPECT_TRUE(page.m_texts.empty());
        EXPECT_EQ(messages.texts, (std::vector<std::string>{c.message}));
    }
}

}  // namespace
}  // namespace velnor
