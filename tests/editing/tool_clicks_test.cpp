#include <gtest/gtest.h>

#include "editing/tool_clicks.h"
#include "editing/tool_test_support.h"
#include "geometry/page_builder.h"

namespace velnor::test {
namespace {

class ToolClicks : public ToolTest {
protected:
    void SetUp() override {
        AddPoints(Page(), {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}, {0, 0, 4}});
        Page().AddLine(0, 1);
    }
};

TEST_F(ToolClicks, MidpointToolAddsTheMidpointOfTheHitLine) {
    state.Enter(kToolMidpoint);
    ClickMidpointTool(doc, state, {{kPickLines, 1}});
    ASSERT_EQ(Page().m_nVertexCount, 6);
    ExpectPosition(Page(), 5, {2, 0, 0});
    EXPECT_TRUE(Page().m_selLines.empty());
    EXPECT_EQ(state.m_nStage, kStageNone);
    EXPECT_EQ(UndoName(), "添加中点");
}

TEST_F(ToolClicks, MidpointToolIgnoresSeveralHits) {
    Page().AddLine(1, 2);
    ClickMidpointTool(doc, state, {{kPickLines, 1}, {kPickLines, 2}});
    EXPECT_EQ(Page().m_nVertexCount, 5);
    EXPECT_EQ(History().Count(), 0);
}

TEST_F(ToolClicks, LineToolJoinsTwoClickedVertices) {
    state.Enter(kToolLine);
    ClickLineTool(doc, state, {{kPickVertices, 2}});
    EXPECT_EQ(state.m_nStage, kStageSecond);
    EXPECT_EQ(state.m_vStart, (Point3d{4, 4, 0}));
    EXPECT_EQ(Page().m_selPoints, std::vector<int>{2});
    ClickLineTool(doc, state, {{kPickVertices, 4}});
    ASSERT_EQ(Page().m_lines.size(), 2u);
    const CLineCell& line = *Page().m_lines.at(2);
    EXPECT_EQ(line.m_nStart, 2);
    EXPECT_EQ(line.m_nEnd, 4);
    EXPECT_EQ(line.m_strName, "CE");
    EXPECT_EQ(state.m_nStage, kStageFirstPoint);
    EXPECT_TRUE(Page().m_selPoints.empty());
    EXPECT_EQ(UndoName(), "添加线");
    History().Undo();
    EXPECT_EQ(Page().m_lines.size(), 1u);
}

TEST_F(ToolClicks, LineToolIgnoresASecondClickOnTheSameVertex) {
    state.Enter(kToolLine);
    ClickLineTool(doc, state, {{kPickVertices, 2}});
    ClickLineTool(doc, state, {{kPickVertices, 2}});
    EXPECT_EQ(Page().m_lines.size(), 1u);
    EXPECT_EQ(state.m_nStage, kStageSecond);
}

TEST_F(ToolClicks, FaceToolClosesOnRightClick) {
    state.Enter(kToolFace);
    for (int v : {0, 1, 2, 3}) {
        ClickFaceTool(doc, {{kPickVertices, v}});
    }
    CloseFace(doc, state);
    ASSERT_EQ(Page().m_faces.size(), 1u);
    EXPECT_EQ(Page().m_faces.begin()->second->m_strName, "ABCD");
    EXPECT_TRUE(Page().m_selPoints.empty());
    EXPECT_EQ(UndoName(), "添加面");
}

TEST_F(ToolClicks, FaceToolTakesEachCornerOnce) {
    state.Enter(kToolFace);
    for (int v : {0, 1, 1, 2, 0}) {
        ClickFaceTool(doc, {{kPickVertices, v}});
    }
    EXPECT_EQ(Page().m_selPoints, (std::vector<int>{0, 1, 2}));
    CloseFace(doc, state);
    ASSERT_EQ(Page().m_faces.size(), 1u);
    EXPECT_EQ(Page().m_faces.begin()->second->m_strName, "ABC");
}

TEST_F(ToolClicks, FaceToolRightClickNeedsThreeToTwentyVertices) {
    Page().m_selPoints = {0, 1};
    CloseFace(doc, state);
    EXPECT_TRUE(Page().m_faces.empty());
    EXPECT_EQ(Page().m_selPoints.size(), 2u);
    Page().m_selPoints.assign(21, 0);
    CloseFace(doc, state);
    EXPECT_TRUE(Page().m_faces.empty());
    EXPECT_EQ(History().Count(), 0);
}

TEST_F(ToolClicks, NonCoplanarFaceRecordsNothingButEmptiesTheSelection) {
    Page().m_selPoints = {0, 1, 2, 4};
    CloseFace(doc, state);
    EXPECT_TRUE(Page().m_faces.empty());
    EXPECT_TRUE(Page().m_selPoints.empty());
    EXPECT_EQ(History().Count(), 0);
}

}  // namespace
}  // namespace velnor::test
