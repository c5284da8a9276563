#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPalette>
#include <QPixmap>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QToolBar>

#include "commands/command_ids.h"
#include "model/document.h"
#include "shell/command_actions.h"
#include "shell/command_icons.h"
#include "shell/main_frame.h"
#include "shell/toolbar_layout.h"
#include "view/demo_page.h"

namespace velnor {
namespace {

// Pixels an icon really paints: a missing file or a missing SVG engine gives none.
int PaintedPixels(const QIcon& icon, int size) {
    const QImage image = icon.pixmap(size, size).toImage();
    int painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return painted;
}

std::vector<ToolButton> AllToolButtons() {
    std::vector<ToolButton> buttons = MainToolBarButtons();
    for (const ToolButton& button : ViewToolBarButtons()) {
        buttons.push_back(button);
    }
    return buttons;
}

TEST(CommandIcons, EveryToolbarButtonAndTheTwoNewSolidsPaintAtEachSize) {
    std::vector<int> ids = {cmd::kSection, cmd::kNet};
    for (const ToolButton& button : AllToolButtons()) {
        if (button.id != 0) {
            ids.push_back(button.id);
        }
    }
    for (const int id : ids) {
        for (const int size : {16, 24, 32}) {
            SCOPED_TRACE(testing::Message() << "id " << id << " at " << size);
            // At least a tenth of the square is drawn, and not all of it: a real picture.
            const int painted = PaintedPixels(CommandIcon(id), size);
            EXPECT_GT(painted, size * size / 10);
            EXPECT_LT(painted, size * size);
        }
    }
    EXPECT_GT(PaintedPixels(ApplicationIcon(), 48), 48 * 48 / 2);
    EXPECT_TRUE(CommandIcon(cmd::kExit).isNull());
}

class IconWindowTest : public testing::Test {
protected:
    IconWindowTest() {
        QStandardPaths::setTestModeEnabled(true);
        frame.Document().DeleteContents();
        frame.Document().AppendPage(MakeDemoPage());
        frame.Document().FinishLoading();
        frame.Document().SetModifiedFlag(false);
        frame.resize(1600, 1000);
        frame.show();
        QTest::qWait(300);
    }

    CMainFrame frame;
};

TEST_F(IconWindowTest, ToolbarButtonsAndTheirMenuTwinsShowIconsWithTheTableTooltips) {
    for (QToolBar* bar : {&frame.MainToolBar(), &frame.ViewToolBar()}) {
        for (QAction* tool : bar->actions()) {
            if (tool->isSeparator()) {
                continue;
            }
            SCOPED_TRACE(tool->toolTip().toStdString());
            EXPECT_FALSE(tool->icon().isNull());
            EXPECT_FALSE(tool->toolTip().isEmpty());
        }
    }
    for (const ToolButton& button : AllToolButtons()) {
        if (QAction* item = frame.Actions().Action(button.id)) {
            SCOPED_TRACE(item->text().toStdString());
            EXPECT_FALSE(item->icon().isNull());
        }
    }

    // The 编辑 menu open, its icons beside their texts.
    QMenu* edit = frame.Actions().Menu(QStringLiteral("编辑"));
    ASSERT_NE(edit, nullptr);
    edit->popup(frame.mapToGlobal(QPoint(60, 30)));
    QTest::qWait(200);
    edit->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/icons_edit_menu.png"));
    edit->hide();
}

TEST_F(IconWindowTest, WindowWithIconsInALightAndADarkTheme) {
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/icons_light.png"));
    const QPalette light = QApplication::palette();
    const QString lightStyle = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette darkPalette;
    darkPalette.setColor(QPalette::Window, QColor(45, 48, 52));
    darkPalette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    darkPalette.setColor(QPalette::Base, QColor(32, 34, 37));
    darkPalette.setColor(QPalette::Text, QColor(230, 230, 230));
    darkPalette.setColor(QPalette::Button, QColor(53, 56, 60));
    darkPalette.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    QApplication::setPalette(darkPalette);
    QTest::qWait(200);
    const QImage dark = frame.grab().toImage();
    QApplication::setStyle(QStyleFactory::create(lightStyle));
    QApplication::setPalette(light);
    ASSERT_FALSE(dark.isNull());
    dark.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/icons_dark.png"));
}

}  // namespace
}  // namespace velnor
