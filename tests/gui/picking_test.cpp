#include <gtest/gtest.h>

#include <QImage>

#include "gui/picking_fixture.h"
#include "gui/render_fixture.h"

namespace velnor::test {
namespace {

TEST_F(PickingTest, ClickOnAVertexSelectsIt) {
    Click(AtVertex(0));
    EXPECT_EQ(Page().m_selPoints, std::vector<int>{0});
    EXPECT_TRUE(Page().m_selLines.empty());  // the vertex wins over the line through it
    Click(AtVertex(0));
    EXPECT_TRUE(Page().m_selPoints.empty());
}

TEST_F(PickingTest, ClickOnALineSelectsIt) {
    Click(At({-5, 0, 0}));
    EXPECT_EQ(Page().m_selLines, std::vector<int>{1});
    EXPECT_TRUE(Page().m_selPoints.empty());
}

TEST_F(PickingTest, ClickOnAFaceSelectsIt) {
    Click(At({5, -4.0f / 3, 0}));
    EXPECT_EQ(Page().m_selFaces, std::vector<int>{1});
}

TEST_F(PickingTest, ClickOnASolidSelectsIt) {
    Click(At({0, 8, 6}));
    EXPECT_EQ(Page().m_selSolids, std::vector<int>{1});
}

TEST_F(PickingTest, ClickOnEmptySpaceClearsTheSelection) {
    Click(AtVertex(0));
    Click(At({-5, 0, 0}));
    Click(QPoint(5, 5));
    EXPECT_FALSE(Page().HasSelection());
}

TEST_F(PickingTest, LineToolJoinsTwoClickedVertices) {
    view->Tools().LineTool();
    Click(AtVertex(0));
    EXPECT_EQ(view->Tools().State().m_nStage, kStageSecond);
    Click(AtVertex(4));
    ASSERT_EQ(Page().m_lines.size(), 2u);
    const CLineCell& line = *Page().m_lines.at(2);
    EXPECT_EQ(line.m_nStart, 0);
    EXPECT_EQ(line.m_nEnd, 4);
    EXPECT_EQ(UndoName(), "添加线");
}

TEST_F(PickingTest, MidpointToolHalvesTheClickedLine) {
    view->Tools().MidpointTool();
    Click(At({-3, 0, 0}));
    ASSERT_EQ(Page().m_nVertexCount, 6);
    EXPECT_FLOAT_EQ(Page().m_pos[5][0], -5.0f);
    EXPECT_EQ(UndoName(), "添加中点");
}

TEST_F(PickingTest, PencilClosesATriangleAndRaisesAPyramid) {
    view->Tools().PencilTool();
    EXPECT_EQ(view->Control().m_nProjection, kOblique);
    // Three vertices on the ground plane where the mouse is.
    for (const QVector3D& p : {QVector3D(-6, -6, 0), QVector3D(0, -6, 0), QVector3D(-6, -10, 0)}) {
        Click(At(p));
    }
    ASSERT_EQ(Page().m_nVertexCount, 8);
    EXPECT_NEAR(Page().m_pos[5][0], -6.0f, 0.11f);
    EXPECT_NEAR(Page().m_pos[5][1], -6.0f, 0.11f);
    EXPECT_EQ(Page().m_pos[5][2], 0.0f);
    EXPECT_EQ(Page().m_lines.size(), 3u);

    Click(AtVertex(5));  // back to the first: the base closes with its face
    EXPECT_EQ(view->Tools().State().m_nChain, ToolState::kClosed);
    EXPECT_EQ(Page().m_faces.size(), 2u);
    EXPECT_EQ(UndoName(), "添加线面");

    // A height drag up from the first vertex places the top point.
    const QPoint base = AtVertex(5);
    Press(base);
    DragTo(base - QPoint(0, view->height() / 3));
    Release(base - QPoint(0, view->height() / 3));
    ASSERT_EQ(Page().m_nVertexCount, 9);
    EXPECT_NEAR(Page().m_pos[8][2], 9.0f, 0.11f);  // one unit up, then 8 for a third of the height
    EXPECT_NEAR(Page().m_pos[8][0], Page().m_pos[5][0], 1e-4);

    Click(AtVertex(8));  // the cursor stays over the top point: a pyramid
    EXPECT_EQ(UndoName(), "完成棱锥");
    EXPECT_EQ(Page().m_label[8], "V");
    EXPECT_EQ(Page().m_faces.size(), 1u + 1u + 3u);
    EXPECT_EQ(Page().m_lines.size(), 1u + 3u + 1u + 2u);
    EXPECT_EQ(view->Tools().State().m_nChain, 0);
}

TEST_F(PickingTest, ConstructionToolsShowTheVerticesInGreen) {
    const QPoint e = AtVertex(4);  // no line passes through E
    view->Tools().MidpointTool();
    EXPECT_EQ(CountNear(view->grabFramebuffer(), e.x(), e.y(), 2, IsLineGreen), 0);
    view->Tools().FaceTool();
    EXPECT_GT(CountNear(view->grabFramebuffer(), e.x(), e.y(), 2, IsLineGreen), 4);
}

TEST_F(PickingTest, UndoInThePencilStartsTheChainOver) {
    view->Tools().PencilTool();
    Click(At({-6, -6, 0}));
    Click(At({0, -6, 0}));
    EXPECT_EQ(view->Tools().State().m_nChain, 2);
    doc.CommandProcessor().Undo();
    view->Tools().ResetPencil();
    EXPECT_EQ(view->Tools().State().m_nChain, 0);
    Click(At({0, -6, 0}));  // a new chain: no line to the vertex that is gone
    EXPECT_EQ(Page().m_lines.size(), 1u);
    EXPECT_EQ(UndoName(), "添加点");
}

TEST_F(PickingTest, PencilToolShowsThePencilCursor) {
    view->Tools().PencilTool();
    EXPECT_EQ(view->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(view->cursor().hotSpot(), QPoint(2, 29));
    view->Tools().SelectTool();
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(PickingTest, PencilCursorShowsInRedUnderTheMouse) {
    view->Tools().PencilTool();
    const QPoint target = At({3, -9, 0});
    EXPECT_EQ(CountNear(view->grabFramebuffer(), target.x(), target.y(), 2, IsSelectionRed), 0);
    MoveTo(target);
    const QImage image = view->grabFramebuffer();
    image.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/window_pencil_cursor.png"));
    EXPECT_GT(CountNear(image, target.x(), target.y(), 2, IsSelectionRed), 4);
}

TEST_F(PickingTest, LineToolDrawsTheRubberBandToTheCursor) {
    view->Tools().LineTool();
    Click(AtVertex(4));
    const QPoint e = AtVertex(4), target = At({5, 9, 0});
    MoveTo(target);
    const QImage image = view->grabFramebuffer();
    image.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/window_line_rubber_band.png"));
    EXPECT_GT(CountNear(image, target.x(), target.y(), 2, IsSelectionRed), 4);
    const auto isGreen = [](Pixel p) { return IsLineGreen(p); };
    EXPECT_GT(CoveredFraction(image, {double(e.x()), double(e.y())},
                              {double(target.x()), double(target.y())}, isGreen),
              0.3);  // stippled
}

}  // namespace
}  // namespace velnor::test
