#include <gtest/gtest.h>

#include <QContextMenuEvent>

#include <optional>
#include <vector>

#include "commands/command_ids.h"
#include "gui/picking_fixture.h"
#include "gui/render_fixture.h"

namespace velnor::test {
namespace {

using MouseDragTest = PickingTest;

TEST_F(MouseDragTest, DragOverEmptySpaceTurnsTheCamera) {
    const ViewCamera before = settings.m_camera;
    const QPoint from(20, 20);
    Press(from);
    DragTo(from + QPoint(50, 20));
    Release(from + QPoint(50, 20));
    EXPECT_FLOAT_EQ(settings.m_camera.m_fAngleAxis, before.m_fAngleAxis + 10.0f);
    EXPECT_FLOAT_EQ(settings.m_camera.m_fAngleX, before.m_fAngleX + 4.0f);
    EXPECT_EQ(doc.CommandProcessor().Count(), 0);
}

TEST_F(MouseDragTest, CtrlDragMovesTheLockedSelectionAsOneCommandPerDrag) {
    Click(AtVertex(0));
    view->Tools().LockSelection();
    const QPoint from(20, 20);
    Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    Send(QEvent::MouseMove, from + QPoint(20, 0), Qt::NoButton, Qt::LeftButton,
         Qt::ControlModifier);
    Send(QEvent::MouseMove, from + QPoint(40, 20), Qt::NoButton, Qt::LeftButton,
         Qt::ControlModifier);
    Release(from + QPoint(40, 20));
    // 20 pixels make one unit: right along x, down along -z.
    EXPECT_FLOAT_EQ(Page().m_pos[0][0], -6.0f);
    EXPECT_FLOAT_EQ(Page().m_pos[0][2], -1.0f);
    EXPECT_EQ(doc.CommandProcessor().Count(), 1);
    EXPECT_EQ(UndoName(), "拖移变换");
    EXPECT_EQ(settings.m_camera.m_fAngleX, -75.0f);  // the camera stayed

    Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    Send(QEvent::MouseMove, from + QPoint(20, 0), Qt::NoButton, Qt::LeftButton,
         Qt::ControlModifier);
    Release(from + QPoint(20, 0));
    EXPECT_EQ(doc.CommandProcessor().Count(), 2);
    doc.CommandProcessor().Undo();
    doc.CommandProcessor().Undo();
    EXPECT_FLOAT_EQ(Page().m_pos[0][0], -8.0f);
    EXPECT_FLOAT_EQ(Page().m_pos[0][2], 0.0f);
}

TEST_F(MouseDragTest, DraggingAButtonByItsHandleRecordsNothing) {
    const uint16_t key = doc.CurrentPage().AddButton(std::make_unique<CBtnShow>());
    const CRect before = Page().m_buttons.at(key)->m_rect;
    const QPoint handle(before.left - 5, (before.top + before.bottom) / 2);
    Press(handle);
    EXPECT_EQ(Page().m_selButtons, std::vector<int>{key});
    DragTo(handle + QPoint(30, 40));
    Release(handle + QPoint(30, 40));
    const CRect after = Page().m_buttons.at(key)->m_rect;
    EXPECT_EQ(after.left, before.left + 30);
    EXPECT_EQ(after.top, before.top + 40);
    EXPECT_EQ(after.right - after.left, 80);
    EXPECT_EQ(doc.CommandProcessor().Count(), 0);
}

TEST_F(MouseDragTest, DraggingATextMovesItsPlace) {
    auto text = std::make_unique<CDTextCell>();
    text->m_nPlaceX = 300;
    text->m_nPlaceY = 100;
    const uint16_t key = doc.CurrentPage().AddText(std::move(text));
    const QPoint inside(view->width() - 200, 90);
    Press(inside);
    EXPECT_EQ(Page().m_selTexts, std::vector<int>{key});
    DragTo(inside + QPoint(-25, 15));
    Release(inside + QPoint(-25, 15));
    EXPECT_EQ(Page().m_texts.at(key)->m_nPlaceX, 325);
    EXPECT_EQ(Page().m_texts.at(key)->m_nPlaceY, 115);
    EXPECT_EQ(doc.CommandProcessor().Count(), 0);
}

// The leftmost column of the view's frame where a text of `colour` shows between two rows.
std::optional<int> LeftmostTextColumn(CPlomView& view, int top, int bottom, bool (*colour)(Pixel)) {
    view.update();
    QApplication::processEvents();
    const QImage frame = view.grabFramebuffer();
    for (int x = 0; x < frame.width(); ++x) {
        for (int y = top; y < bottom; ++y) {
            if (colour(PixelAt(frame, x, y))) {
                return x;
            }
        }
    }
    return std::nullopt;
}

TEST_F(MouseDragTest, ATextShiftedInsideTheViewIsPickedAndDraggedWhereItIsDrawn) {
    auto text = std::make_unique<CDTextCell>(2);
    text->m_strText = "|AB|=3.1623";
    text->m_nPlaceX = 20;  // stored to start 20 pixels from the right edge: it would run past it
    text->m_nPlaceY = 100;
    const uint16_t key = doc.CurrentPage().AddText(std::move(text));
    const std::optional<int> drawn = LeftmostTextColumn(*view, 75, 100, IsLabelMagenta);
    ASSERT_TRUE(drawn);
    ASSERT_LT(*drawn, view->width() - 80) << "drawn shifted inside";

    Press({*drawn + 10, 92});
    EXPECT_EQ(Page().m_selTexts, std::vector<int>{key});
    DragTo({*drawn - 20, 112});
    Release({*drawn - 20, 112});
    // It follows the mouse from where it was seen, not from its stored place out of sight.
    const std::optional<int> moved = LeftmostTextColumn(*view, 95, 120, IsSelectionRed);
    ASSERT_TRUE(moved);
    EXPECT_NEAR(*moved, *drawn - 30, 1);
    EXPECT_EQ(Page().m_texts.at(key)->m_nPlaceY, 120);
    EXPECT_EQ(doc.CommandProcessor().Count(), 0);
}

TEST_F(MouseDragTest, FaceToolClosesTheFaceOnARightClick) {
    view->Tools().FaceTool();
    Click(AtVertex(0));
    Click(AtVertex(1));
    Click(AtVertex(4));
    EXPECT_EQ(Page().m_selPoints, (std::vector<int>{0, 1, 4}));
    Send(QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(Page().m_faces.size(), 2u);
    EXPECT_TRUE(Page().m_selPoints.empty());
    EXPECT_EQ(UndoName(), "添加面");
}

TEST_F(MouseDragTest, ContextMenuWithASelectionOpensTheProperties) {
    std::vector<int> ran;
    view->Tools().SetCommandRunner([&](int id) { ran.push_back(id); });
    Click(AtVertex(0));
    QContextMenuEvent event(QContextMenuEvent::Mouse, AtVertex(0), view->mapToGlobal(AtVertex(0)));
    QApplication::sendEvent(view.get(), &event);
    EXPECT_EQ(ran, std::vector<int>{cmd::kProperties});

    view->Tools().PencilTool();  // no menu in the pencil
    QApplication::sendEvent(view.get(), &event);
    EXPECT_EQ(ran.size(), 1u);
}

TEST_F(MouseDragTest, DoubleClickOpensTheProperties) {
    std::vector<int> ran;
    view->Tools().SetCommandRunner([&](int id) { ran.push_back(id); });
    Send(QEvent::MouseButtonDblClick, AtVertex(0), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(ran, std::vector<int>{cmd::kProperties});
}

}  // namespace
}  // namespace velnor::test
