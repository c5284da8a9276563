#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "commands/command_ids.h"
#include "gui/text_typing.h"
#include "model/bit_text.h"
#include "model/document.h"
#include "model/gl_model.h"
#include "shell/command_actions.h"
#include "shell/dialogs/text_edit_dialog.h"
#include "shell/main_frame.h"
#include "shell/rich_text_edit.h"
#include "view/bit_text_place.h"
#include "view/plom_view.h"
#include "view/view_projection.h"

namespace velnor {
namespace {

// A title over a cube, as a teacher makes it: 插入文本 from the menu, then the mouse.
class BitTextMouseTest : public testing::Test {
protected:
    BitTextMouseTest() {
        QStandardPaths::setTestModeEnabled(true);
        frame.resize(1200, 800);
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        BuildCube(frame.Document().CurrentPage());
        frame.Document().Refresh(kHintAll);
        key = AddTitle(QStringLiteral("正方体的截面"));
    }

    // A cube of edge 8 round the origin, its faces filled.
    static void BuildCube(CGpage& page) {
        for (const float z : {-4.0f, 4.0f}) {
            page.AddVertex(-4, -4, z);
            page.AddVertex(4, -4, z);
            page.AddVertex(4, 4, z);
            page.AddVertex(-4, 4, z);
        }
        const int faces[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4},
                                 {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
        for (const auto& face : faces) {
            page.AddFace(face);
        }
        page.m_bFillFaces = true;
        page.ClearSelection();
    }

    uint16_t AddTitle(const QString& title) {
        QTimer::singleShot(0, [title] {
            auto* dialog = qobject_cast<TextEditDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            test::TypeText(dialog->Editor(), title);
            dialog->accept();
        });
        frame.Actions().Action(cmd::kAddText)->trigger();
        return frame.Document().CurrentPage().m_solids.rbegin()->first;
    }

    CPlomView& View() { return frame.View(); }
    CGpage& Page() { return frame.Document().CurrentPage(); }
    CBitText& Title() { return dynamic_cast<CBitText&>(*Page().m_solids.at(key)); }
    ViewProjection Projection() {
        const FrameLayout layout = View().Layout();
        return ViewProjection(View().Settings().m_camera, layout,
                              Viewport{0, 0, layout.width, layout.height});
    }
    QRect TitleRect() { return BitTextRect(Title(), Projection()).toRect(); }

    QImage Frame() {
        View().update();
        QTest::qWait(50);
        return View().grabFramebuffer();
    }

    // The pixels of its rectangle that the title changes: all of its ink where nothing covers it.
    int TitlePixels() {
        const QImage with = Frame();
        Title().m_bHidden = 1;
        const QImage without = Frame();
        Title().m_bHidden = 0;
        int count = 0;
        const QRect r = TitleRect().intersected(with.rect());
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                count += with.pixel(x, y) != without.pixel(x, y);
            }
        }
        return count;
    }

    void CtrlDrag(QPoint from, QPoint to) {
        QTest::mousePress(&View(), Qt::LeftButton, Qt::ControlModifier, from);
        QTest::mouseEvent(QTest::MouseMove, &View(), Qt::NoButton, Qt::ControlModifier,
                          (from + to) / 2);
        QTest::mouseEvent(QTest::MouseMove, &View(), Qt::NoButton, Qt::ControlModifier, to);
        QTest::mouseRelease(&View(), Qt::LeftButton, Qt::ControlModifier, to);
    }

    CMainFrame frame;
    uint16_t key = 0;
};

TEST_F(BitTextMouseTest, ANewTitleGoesToAFreeCornerAndIsDrawnOverTheFigure) {
    const QRect title = TitleRect();
    EXPECT_TRUE(QRect(QPoint(0, 0), View().size()).contains(title));
    EXPECT_LT(title.left(), 40);
    EXPECT_LT(title.top(), 40);
    for (int v = 0; v < Page().m_nVertexCount; ++v) {
        EXPECT_FALSE(title.contains(Projection().SceneToWindow(Page().m_pos[v]).toPoint())) << v;
    }
    const int inTheCorner = TitlePixels();
    EXPECT_GT(inTheCorner, 40);
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/title_in_corner.png"));

    // Over the middle of the cube, in front of the faces or behind them, all of it shows.
    for (const float depth : {-20.0f, 20.0f}) {
        SCOPED_TRACE(depth);
        Title().m_position = {0.0f, depth, 0.0f};
        EXPECT_EQ(TitlePixels(), inTheCorner);
    }
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/title_over_cube.png"));
}

TEST_F(BitTextMouseTest, AClickAnywhereOnTheTitlePicksIt) {
    const QRect title = TitleRect();
    for (const QPoint at : {QPoint(title.left() + 2, title.center().y()),
                            QPoint(title.right() - 2, title.top() + 2)}) {
        Page().ClearSelection();
        QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_EQ(Page().m_selSolids, std::vector<int>{key});
    }
}

TEST_F(BitTextMouseTest, CtrlDragMovesTheTitlePixelForPixelAndKeepsItInTheView) {
    const QPointF before = BitTextAnchor(Title(), Projection());
    const QPoint grip = TitleRect().center() + QPoint(10, 0);
    CtrlDrag(grip, grip + QPoint(120, 70));
    const QPointF moved = BitTextAnchor(Title(), Projection()) - before;
    EXPECT_NEAR(moved.x(), 120, 1.0);
    EXPECT_NEAR(moved.y(), 70, 1.0);
    EXPECT_EQ(Page().m_selSolids, std::vector<int>{key});
    EXPECT_EQ(frame.Document().CommandProcessor().Current()->GetName(), "拖移变换");

    // Dragged far past the lower right corner, its anchor stays in the view and a click there
    // still finds it.
    const QPoint from = BitTextAnchor(Title(), Projection()).toPoint();
    CtrlDrag(from, from + QPoint(3000, 2000));
    const QPoint anchor = BitTextAnchor(Title(), Projection()).toPoint();
    EXPECT_TRUE(QRect(QPoint(0, 0), View().size()).contains(anchor));
    Page().ClearSelection();
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, anchor - QPoint(2, 2));
    EXPECT_EQ(Page().m_selSolids, std::vector<int>{key});
}

}  // namespace
}  // namespace velnor
