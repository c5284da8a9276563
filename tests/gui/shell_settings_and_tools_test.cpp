#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <QTreeWidgetItem>

#include "commands/command_ids.h"
#include "model/document.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "shell/command_actions.h"
#include "shell/main_frame.h"
#include "shell/manager_tree.h"
#include "shell/push_button_windows.h"
#include "shell/settings_bar.h"
#include "view/plom_view.h"

namespace velnor {
namespace {

struct TestProfile {
    TestProfile() { QStandardPaths::setTestModeEnabled(true); }
};

class ShellToolsTest : public testing::Test, private TestProfile {
protected:
    ShellToolsTest() {
        frame.resize(1400, 900);
        frame.show();
        QApplication::processEvents();
    }

    QAction* ToolButton(QToolBar& bar, const QString& text) {
        for (QAction* action : bar.actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }

    CMainFrame frame;
    CPlomDoc& doc = frame.Document();
};

TEST_F(ShellToolsTest, CubeButtonAddsTheLabelledCubeToPageAndTree) {
    QAction* cube = ToolButton(frame.MainToolBar(), "正方体");
    ASSERT_NE(cube, nullptr);
    cube->trigger();
    QApplication::processEvents();
    EXPECT_EQ(doc.CurrentPage().m_nVertexCount, 8);
    EXPECT_EQ(doc.CurrentPage().m_lines.size(), 12u);
    QTreeWidgetItem* points = frame.Tree().FindItem(10000 + 1000);
    ASSERT_NE(points, nullptr);
    ASSERT_EQ(points->childCount(), 8);
    for (int index = 0; index < 8; ++index) {
        EXPECT_EQ(points->child(index)->text(0).toStdString(), doc.CurrentPage().m_label[index]);
        EXPECT_EQ(points->child(index)->data(0, ManagerTree::kCodeRole).toUInt(),
                  10000u + 1001u + static_cast<unsigned>(index));
    }
    EXPECT_EQ(frame.Tree().FindItem(10000 + 3000)->childCount(), 12);
    EXPECT_EQ(frame.Actions().Action(cmd::kUndo)->text(), "撤消 添加正方体(&U)");
}

TEST_F(ShellToolsTest, RenamingAVertexInTheTreeRenamesItsLines) {
    ToolButton(frame.MainToolBar(), "正方体")->trigger();
    QApplication::processEvents();
    QTreeWidgetItem* first = frame.Tree().FindItem(11001);
    ASSERT_NE(first, nullptr);
    first->setText(0, "P");
    QApplication::processEvents();
    EXPECT_EQ(doc.CurrentPage().m_label[0], "P");
    const QTreeWidgetItem* lines = frame.Tree().FindItem(10000 + 3000);
    bool named = false;
    for (int i = 0; i < lines->childCount(); ++i) {
        named = named || lines->child(i)->text(0).startsWith("P");
    }
    EXPECT_TRUE(named);
}

TEST_F(ShellToolsTest, ActionButtonIsAPushButtonOnTheViewThatRunsTheAnimation) {
    ToolButton(frame.MainToolBar(), "正方体")->trigger();
    frame.Actions().Run(cmd::kSelectVisiblePoints);
    frame.Actions().Run(cmd::kShowButton);  // a 隐藏/显示 button for them
    CGpage& page = doc.CurrentPage();
    ASSERT_EQ(page.m_buttons.size(), 1u);
    QPushButton* button = frame.ButtonWindows().Button(page.m_buttons.begin()->first);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->parentWidget(), &frame.View());
    EXPECT_TRUE(button->isVisible());

    doc.SetModifiedFlag(false);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(frame.View().Control().m_bTimerOn);
    EXPECT_EQ(frame.View().Control().m_nAnimMode, kAnimButtons);
    EXPECT_TRUE(doc.IsModified());
    // Two steps of the default 40 ms timer finish the show/hide animation.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.View().Control().m_bTimerOn; }, 2000));
}

TEST_F(ShellToolsTest, SmoothColoursTicksColouredLinesAndStaysApartWhenTurnedOff) {
    QCheckBox* colouredLines = frame.Settings().SwitchBox(0);
    QCheckBox* smoothColours = frame.Settings().SwitchBox(1);
    smoothColours->click();
    EXPECT_EQ(doc.Settings().m_bSmoothColors, 1);
    EXPECT_EQ(doc.Settings().m_bColorLines, 1);
    EXPECT_TRUE(colouredLines->isChecked());
    EXPECT_TRUE(frame.isWindowModified());
    smoothColours->click();
    EXPECT_EQ(doc.Settings().m_bSmoothColors, 0);
    EXPECT_TRUE(colouredLines->isChecked());
}

TEST_F(ShellToolsTest, FirstF4AppliesTheWireframePreset) {
    doc.Settings().m_bLighting = 1;
    frame.Settings().SyncFromSettings();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame.View(), Qt::Key_F4);
    EXPECT_EQ(doc.Settings().m_bLighting, 0);
    EXPECT_EQ(doc.Settings().m_bSmoothLines, 1);
    EXPECT_FLOAT_EQ(doc.Settings().m_material.shininess, 120.0f);
    EXPECT_FALSE(frame.Settings().SwitchBox(2)->isChecked());
}

}  // namespace
}  // namespace velnor
