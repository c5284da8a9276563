#include <gtest/gtest.h>

#include <QApplication>
#include <QDockWidget>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

#include "model/document.h"
#include "model/page.h"
#include "shell/main_frame.h"
#include "view/demo_page.h"
#include "view/plom_view.h"

namespace velnor {
namespace {

// The whole main window with the demonstration figure, saved for a person to look at, and
// checked for a figure drawn in the view.
TEST(MainFrameScreenshot, ShowsTheFigureBesideTheManagerAndNotes) {
    QStandardPaths::setTestModeEnabled(true);
    CMainFrame frame;
    CPlomDoc& doc = frame.Document();
    doc.DeleteContents();
    doc.AppendPage(MakeDemoPage());
    doc.FinishLoading();
    doc.SetModifiedFlag(false);
    frame.resize(1600, 1000);
    frame.show();
    QTest::qWait(300);

    const QImage shot = frame.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    shot.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/main_frame.png"));
    // What the display really shows, with the view composed by the window system.
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QStringLiteral(VELNOR_SCREENSHOT_DIR "/main_frame_screen.png"));
    auto* tabs = frame.ManagerBar().findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(1);
    QTest::qWait(100);
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/main_frame_settings.png"));
    tabs->setCurrentIndex(0);

    const QImage view = frame.View().grabFramebuffer();
    int lit = 0;
    for (int y = 0; y < view.height(); y += 4) {
        for (int x = 0; x < view.width(); x += 4) {
            lit += qGray(view.pixel(x, y)) > 40 ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 100);
}

}  // namespace
}  // namespace velnor
