#include <gtest/gtest.h>

#include <QImage>

#include "gui/picking_fixture.h"
#include "gui/render_fixture.h"
#include "model/display_presets.h"
#include "view/tool_feedback.h"

namespace velnor::test {
namespace {

using ViewSelectionTest = PickingTest;

// Where a world point shows in the perspective quadrant (lower right) of the three-view layout.
QRect PerspectiveQuadrant(const CPlomView& view) {
    const int w = view.width() / 2, h = view.height() / 2;
    return {w, view.height() - h, w, h};
}

TEST_F(ViewSelectionTest, ThreeViewLayoutPicksInThePerspectiveQuadrantOnly) {
    view->ToggleThreeView();
    doc.CurrentPage().m_bPerspInThreeView = 1;
    const Float3& e = Page().m_pos[4];
    const QVector3D point(e[0], e[1], e[2]);
    const QPoint inQuadrant =
        WindowPosition(*view, settings.m_camera, point, PerspectiveQuadrant(*view));
    const QPoint wholeView = WindowPosition(*view, settings.m_camera, point);
    ASSERT_GT((inQuadrant - wholeView).manhattanLength(), 40);

    Click(wholeView);  // where the single view would show E
    EXPECT_FALSE(Page().HasSelection());
    Click(inQuadrant);
    EXPECT_EQ(Page().m_selPoints, std::vector<int>{4});
    Click(QPoint(view->width() / 4, view->height() / 4));  // the front view: no pick, no clearing
    EXPECT_EQ(Page().m_selPoints, std::vector<int>{4});

    // While the page leaves the quadrant empty nothing there can be picked.
    doc.CurrentPage().m_bPerspInThreeView = 0;
    doc.CurrentPage().ClearSelection();
    Click(inQuadrant);
    EXPECT_FALSE(Page().HasSelection());
}

TEST_F(ViewSelectionTest, CtrlDragFromASelectedVertexMovesIt) {
    const QPoint a = AtVertex(0);
    Click(a);
    ASSERT_EQ(Page().m_selPoints, std::vector<int>{0});
    const float angleX = settings.m_camera.m_fAngleX;
    Send(QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    Send(QEvent::MouseMove, a + QPoint(40, 0), Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
    Send(QEvent::MouseButtonRelease, a + QPoint(40, 0), Qt::LeftButton, Qt::NoButton,
         Qt::ControlModifier);
    EXPECT_EQ(Page().m_selPoints, std::vector<int>{0});
    EXPECT_FLOAT_EQ(Page().m_pos[0][0], -6.0f);
    EXPECT_EQ(UndoName(), "拖移变换");
    EXPECT_EQ(settings.m_camera.m_fAngleX, angleX);

    // A Ctrl click that moves nothing still toggles, when the button comes up.
    const QPoint moved = AtVertex(0);
    Send(QEvent::MouseButtonPress, moved, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Page().m_selPoints, std::vector<int>{0});
    Send(QEvent::MouseButtonRelease, moved, Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
    EXPECT_TRUE(Page().m_selPoints.empty());
}

struct DisplayMode {
    const char* name;
    int preset;
};

TEST_F(ViewSelectionTest, SelectedLineShowsInTheSelectionColourInEveryDisplayMode) {
    const DisplayMode modes[] = {{"wireframe", kPresetWireframe},
                                 {"camouflage", kPresetCamouflage},
                                 {"textured", kPresetTextured},
                                 {"crystal", kPresetCrystal},
                                 {"pink", kPresetPink}};
    Click(At({-5, 0, 0}));
    ASSERT_EQ(Page().m_selLines, std::vector<int>{1});
    for (const DisplayMode& mode : modes) {
        SCOPED_TRACE(mode.name);
        view->ApplyPreset(mode.preset);
        view->SetPage(&doc.CurrentPage(), mode.preset == kPresetCamouflage);
        view->SetProjection(kOrthographic);  // where the test can find the line
        const QImage image = view->grabFramebuffer();
        image.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/selected_line_%1.png")
                       .arg(QString::fromUtf8(mode.name)));
        const QPoint a = AtVertex(0), b = AtVertex(1);
        EXPECT_GT(CoveredFraction(image, {double(a.x()), double(a.y())},
                                  {double(b.x()), double(b.y())}, IsSelectionRed),
                  0.8);
    }
}

bool IsWhite(Pixel p) {
    return p.r > 200 && p.g > 200 && p.b > 200;
}

TEST_F(ViewSelectionTest, QuadrantCaptionsStayInsideTheirQuadrants) {
    view->ToggleThreeView();
    const QImage image = view->grabFramebuffer();
    image.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/window_three_view_captions.png"));
    const int w = view->width() / 2;
    for (const int left : {0, w}) {
        SCOPED_TRACE(left);
        EXPECT_GT(CountIn(image, left, 0, 160, 50, IsLabelMagenta), 20);
        EXPECT_EQ(CountIn(image, left, 0, 160, 2, IsLabelMagenta), 0);  // nothing cut at the top
    }
}

TEST_F(ViewSelectionTest, PencilReadoutStaysInsideTheViewAndReadsNoNegativeZero) {
    EXPECT_EQ(CursorReadout({-0.04, 1.25, -0.0}), "( 0.0, 1.3, 0.0)");
    EXPECT_EQ(CursorReadout({-2.0, 10.0, 0.5}), "( -2.0, 10.0, 0.5)");
    view->Tools().PencilTool();
    const QPoint nearEdge(view->width() - 12, view->height() / 2);
    MoveTo(nearEdge);
    const QImage image = view->grabFramebuffer();
    image.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/window_pencil_readout_edge.png"));
    EXPECT_GT(CountIn(image, nearEdge.x() - 260, nearEdge.y() - 60, 258, 70, IsWhite), 30);
    EXPECT_EQ(CountIn(image, view->width() - 3, 0, 3, view->height(), IsWhite), 0);
}

}  // namespace
}  // namespace velnor::test
