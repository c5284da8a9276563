#include <gtest/gtest.h>

#include "editing/pencil.h"
#include "editing/tool_test_support.h"
#include "geometry/construction_messages.h"
#include "geometry/page_builder.h"

namespace velnor::test {
namespace {

class PencilTest : public ToolTest {
protected:
    PencilTest() { state.Enter(kToolPencil); }

    // A click on empty space with the cursor at p: the vertex is made on button up.
    void PlaceAt(Point3d p) {
        state.m_vCursor = p;
        pencil.Press({}, {});
        pencil.Release();
    }
    void ClickVertex(int vertex) {
        pencil.Press({{kPickVertices, vertex}}, {});
        pencil.Release();
    }
    // Triangle ABC at z = 0, closed by clicking A again.
    void ClosedTriangle() {
        PlaceAt({0, 0, 0});
        PlaceAt({4, 0, 0});
        PlaceAt({0, 4, 0});
        ClickVertex(0);
    }
    // From the first base vertex, a height drag to z = 6 places the top point.
    void RaiseTopFromA() {
        pencil.Press({{kPickVertices, 0}}, {});
        EXPECT_EQ(state.m_nStage, kStageSecond);
        EXPECT_DOUBLE_EQ(state.m_vCursor[2], 1.0);  // a click alone would place it one unit up
        state.m_vCursor[2] = 6.0;
        pencil.Release();
    }
    void FinishWithCursorAt(Point3d p) {
        state.m_vCursor = p;
        pencil.Press({}, {});
        pencil.Release();
    }

    Pencil pencil{doc, state};
};

TEST_F(PencilTest, PlacedVerticesAreJoinedInAChain) {
    PlaceAt({0, 0, 0});
    EXPECT_EQ(UndoName(), "添加点");
    PlaceAt({4, 0, 0});
    EXPECT_EQ(UndoName(), "添加点线");
    EXPECT_EQ(Page().m_nVertexCount, 2);
    ASSERT_EQ(Page().m_lines.size(), 1u);
    EXPECT_EQ(state.m_nChain, 2);
    EXPECT_EQ(state.m_vStart, (Point3d{4, 0, 0}));
    History().Undo();
    EXPECT_EQ(Page().m_nVertexCount, 1);
    EXPECT_TRUE(Page().m_lines.empty());
}

TEST_F(PencilTest, ClickingTheFirstVertexClosesAPlanarBaseWithAFace) {
    ClosedTriangle();
    EXPECT_EQ(state.m_nChain, ToolState::kClosed);
    EXPECT_EQ(state.m_nBase, 3);
    EXPECT_EQ(Page().m_lines.size(), 3u);
    EXPECT_EQ(Page().m_faces.size(), 1u);
    EXPECT_EQ(UndoName(), "添加线面");
    History().Undo();
    EXPECT_EQ(Page().m_lines.size(), 2u);
    EXPECT_TRUE(Page().m_faces.empty());
}

TEST_F(PencilTest, ANonPlanarBaseClosesWithoutAFace) {
    PlaceAt({0, 0, 0});
    PlaceAt({4, 0, 0});
    PlaceAt({4, 4, 1});
    PlaceAt({0, 4, 0});
    ClickVertex(0);
    EXPECT_EQ(state.m_nChain, ToolState::kClosed);
    EXPECT_EQ(state.m_nBase, 0);
    EXPECT_TRUE(Page().m_faces.empty());
    EXPECT_EQ(UndoName(), "添加线");
}

TEST_F(PencilTest, TopPointNearTheApexGivesAPyramid) {
    ClosedTriangle();
    RaiseTopFromA();
    EXPECT_EQ(state.m_nChain, ToolState::kTopPlaced);
    ExpectPosition(Page(), 3, {0, 0, 6});
    FinishWithCursorAt({0.2, 0.1, 6});  // r = 0.056 of the edge: under 0.1
    EXPECT_EQ(UndoName(), "完成棱锥");
    EXPECT_EQ(Page().m_label[3], "V");
    EXPECT_EQ(Page().m_nVertexCount, 4);
    EXPECT_EQ(Page().m_lines.size(), 6u);
    EXPECT_EQ(Page().m_faces.size(), 4u);
    EXPECT_EQ(state.m_nChain, 0);
    EXPECT_EQ(state.m_nStage, kStageNone);
    History().Undo();
    EXPECT_EQ(Page().m_lines.size(), 4u);
    EXPECT_EQ(Page().m_faces.size(), 1u);
}

TEST_F(PencilTest, TopAsWideAsTheBaseGivesAPrism) {
    ClosedTriangle();
    RaiseTopFromA();
    FinishWithCursorAt({4.2, 0, 6});  // r = 1.05 snaps to 1
    EXPECT_EQ(UndoName(), "完成棱柱");
    ASSERT_EQ(Page().m_nVertexCount, 6);
    ExpectPosition(Page(), 4, {4, 0, 6});
    ExpectPosition(Page(), 5, {0, 4, 6});
    EXPECT_EQ(Page().m_lines.size(), 3u + 1u + 5u);
    EXPECT_EQ(Page().m_faces.size(), 1u + 4u);
}

TEST_F(PencilTest, AnyOtherRatioGivesAFrustum) {
    ClosedTriangle();
    RaiseTopFromA();
    FinishWithCursorAt({0, 2, 6});  // r = 0.5
    EXPECT_EQ(UndoName(), "完成棱台");
    ExpectPosition(Page(), 4, {2, 0, 6});
    ExpectPosition(Page(), 5, {0, 2, 6});
    History().Undo();
    EXPECT_EQ(Page().m_nVertexCount, 4);
    EXPECT_EQ(Page().m_faces.size(), 1u);
}

TEST_F(PencilTest, ALineHitMakesASnappedPointOnIt) {
    AddPoints(Page(), {{0, 0, 0}, {4, 0, 0}});
    Page().AddLine(0, 1);
    const MouseRay overQuarter{{1.05, 0, 10}, {1.05, 0, -10}};  // s = 0.2625 snaps to 1/4
    pencil.Press({{kPickLines, 1}}, overQuarter);
    ASSERT_EQ(Page().m_nVertexCount, 3);
    ExpectPosition(Page(), 2, {1, 0, 0});
    EXPECT_EQ(UndoName(), "添加分点");
    EXPECT_EQ(state.m_nChain, 1);
    pencil.Release();
    EXPECT_EQ(Page().m_nVertexCount, 3);  // the press already made the point
}

TEST_F(PencilTest, ALineHitJoinsTheStartedChain) {
    AddPoints(Page(), {{0, 0, 0}, {4, 0, 0}});
    Page().AddLine(0, 1);
    PlaceAt({0, 3, 0});
    pencil.Press({{kPickLines, 1}}, {{2, 0, 10}, {2, 0, -10}});
    ExpectPosition(Page(), 3, {2, 0, 0});
    EXPECT_EQ(UndoName(), "添加点线");
    EXPECT_EQ(state.m_nChain, 2);
}

TEST_F(PencilTest, VertexLimitShowsTheMessageAndResets) {
    PlaceAt({0, 0, 0});
    while (Page().m_nVertexCount < CGpage::kMaxVertices) {
        Page().AddVertex(1, 1, 1);
    }
    const int commands = History().Count();
    PlaceAt({2, 2, 0});
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], kVertexLimitMessage);
    EXPECT_EQ(state.m_nChain, 0);
    EXPECT_TRUE(Page().m_selPoints.empty());
    EXPECT_EQ(History().Count(), commands);
}

TEST_F(PencilTest, ABaseTakesAtMostTwentyVertices) {
    for (int i = 0; i < 21; ++i) {
        PlaceAt({static_cast<double>(i), 0, 0});
    }
    EXPECT_EQ(state.m_nChain, ToolState::kMaxBase);
    EXPECT_EQ(Page().m_nVertexCount, 20);
}

TEST_F(PencilTest, ResetEmptiesTheChainAndTheVertexSelection) {
    PlaceAt({0, 0, 0});
    PlaceAt({1, 0, 0});
    pencil.Reset();
    EXPECT_EQ(state.m_nChain, 0);
    EXPECT_EQ(state.m_nStage, kStageNone);
    EXPECT_TRUE(Page().m_selPoints.empty());
}

}  // namespace
}  // namespace velnor::test
