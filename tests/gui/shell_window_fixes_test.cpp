#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QSplitterHandle>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QWindow>

#include <functional>

#include "commands/command_ids.h"
#include "gui/picking_fixture.h"
#include "model/display_presets.h"
#include "model/document.h"
#include "model/message_seam.h"
#include "model/page.h"
#include "shell/command_actions.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"
#include "shell/manager_tree.h"
#include "shell/message_box_sink.h"
#include "shell/qt_translations.h"
#include "support/recording_messages.h"
#include "view/mouse_tools.h"
#include "view/plom_view.h"

namespace velnor {
namespace {

// Runs `inspect` on the modal dialog that the next step opens, then closes it.
void WhenModalOpens(std::function<void(QWidget&)> inspect) {
    QTimer::singleShot(50, [inspect = std::move(inspect)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        inspect(*modal);
        modal->close();
    });
}

class WindowFixesTest : public testing::Test {
protected:
    WindowFixesTest() {
        QStandardPaths::setTestModeEnabled(true);
        frame.resize(1400, 900);
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
    }

    QAction& Action(int id) { return *frame.Actions().Action(id); }

    // A key as the keyboard sends it: to whichever window has the focus.
    void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWindow* target = QGuiApplication::focusWindow();
        ASSERT_NE(target, nullptr) << "no window takes the keys";
        QTest::keyClick(target, key, modifiers);
        QApplication::processEvents();
    }

    // A triangle ABC with the segment AB: every tool is enabled.
    void AddTriangle() {
        CGpage& page = doc.CurrentPage();
        page.AddVertex(-4, 0, 0);
        page.AddVertex(4, 0, 0);
        page.AddVertex(0, 4, 0);
        page.AddLine(0, 1, kSegment);
        page.ClearSelection();
        frame.Actions().UpdateStates();
    }

    CMainFrame frame;
    CPlomDoc& doc = frame.Document();
};

struct ToolCase {
    int id;
    QToolBar& (CMainFrame::*bar)();
};

TEST_F(WindowFixesTest, TheActiveToolIsCheckedInTheMenuAndOnItsButton) {
    AddTriangle();
    const ToolCase tools[] = {
        {cmd::kPencil, &CMainFrame::MainToolBar},
        {cmd::kLineTool, &CMainFrame::MainToolBar},
        {cmd::kMidpoint, &CMainFrame::MainToolBar},
        {cmd::kFace, &CMainFrame::MainToolBar},
        {cmd::kLockSelection, &CMainFrame::ViewToolBar},
        {cmd::kSelectTool, &CMainFrame::ViewToolBar},
    };
    for (const ToolCase& tool : tools) {
        SCOPED_TRACE(tool.id);
        QToolBar& bar = (frame.*tool.bar)();
        QAction* button = nullptr;
        for (QAction* action : bar.actions()) {
            if (action->statusTip() == Action(tool.id).statusTip()) {
                button = action;
            }
        }
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(bar.widgetForAction(button), Qt::LeftButton);
        frame.Actions().UpdateStates();
        EXPECT_TRUE(Action(tool.id).isChecked());
        EXPECT_TRUE(button->isChecked());
        for (const ToolCase& other : tools) {
            if (other.id != tool.id) {
                EXPECT_FALSE(Action(other.id).isChecked()) << other.id;
            }
        }
    }
}

TEST_F(WindowFixesTest, KeysWorkRightAfterAMessageBoxCloses) {
    Action(cmd::kNewPage).trigger();  // a second page, current
    ASSERT_EQ(doc.CurrentPageNumber(), 2);
    WhenModalOpens([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Return); });
    ShowMessage("一个报告");
    QApplication::processEvents();
    PressKey(Qt::Key_PageUp);
    EXPECT_EQ(doc.CurrentPageNumber(), 1);
    PressKey(Qt::Key_PageDown);
    EXPECT_EQ(doc.CurrentPageNumber(), 2);
}

TEST_F(WindowFixesTest, StandardDialogsAndMenusReadInChinese) {
    InstallQtTranslations(*qApp);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Velnor"), QStringLiteral("是否保存?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("是")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("否")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith(QStringLiteral("取消")));
    // Embedded objects have no service here: greyed, and the prompt says so.
    for (const int id : {cmd::kInsertObject, cmd::kLinks, cmd::kObjectProperties}) {
        EXPECT_FALSE(Action(id).isEnabled()) << id;
        EXPECT_TRUE(Action(id).statusTip().endsWith(QStringLiteral("（本平台不提供嵌入对象服务）")))
            << id;
    }
    // The menu shows Ctrl+Z for 撤消; Alt+Backspace still works.
    EXPECT_EQ(Action(cmd::kUndo).shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_TRUE(
        Action(cmd::kUndo).shortcuts().contains(QKeySequence(QStringLiteral("Alt+Backspace"))));
}

struct UnreadableFile {
    const char* name;
    const char* reason;
};

TEST_F(WindowFixesTest, AFileThatCannotBeOpenedIsNamedWithItsReason) {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.plm"));
    AddTriangle();
    ASSERT_TRUE(frame.Files().SavePath(good));
    QFile saved(good);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    const auto write = [&](const QString& name, const QByteArray& content) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    write(QStringLiteral("truncated.plm"), bytes.left(bytes.size() / 2));
    write(QStringLiteral("notes.plm"),
          "Lesson plan: the cube and its diagonals, with questions.\n"
          "1. How long is the diagonal of a unit cube?\n");
    const UnreadableFile files[] = {{"truncated.plm", "文件已损坏"},
                                    {"notes.plm", "不是 Velnor 文件"}};
    for (const UnreadableFile& file : files) {
        SCOPED_TRACE(file.name);
        test::RecordingMessages messages;
        EXPECT_FALSE(frame.Files().OpenPath(dir.filePath(QString::fromUtf8(file.name))));
        ASSERT_EQ(messages.texts.size(), 1u);
        const std::string expected =
            std::string("不能打开文件“") + file.name + "”：" + file.reason + "。\n\n";
        EXPECT_EQ(messages.texts.front().substr(0, expected.size()), expected);
        EXPECT_GT(messages.texts.front().size(), expected.size());  // the detail follows
        EXPECT_EQ(doc.CurrentPage().m_nVertexCount, 3);
        EXPECT_EQ(frame.Files().Path(), QFileInfo(good).absoluteFilePath());
    }
}

TEST_F(WindowFixesTest, FailuresShowWithAWarningIcon) {
    InstallQtTranslations(*qApp);
    MessageBoxSink sink(&frame);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModalOpens([&](QWidget& box) {
        icon = static_cast<QMessageBox&>(box).icon();
        box.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/window_open_failure.png"));
    });
    sink.ShowWarning(
        "不能打开文件“正方体.plm”：文件已损坏。\n\n数据不完整：需要 1 字节，只剩 0 字节");
    EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST_F(WindowFixesTest, ExampleFilesListOnlyTheExampleDocuments) {
    InstallQtTranslations(*qApp);
    QStringList listed;
    WhenModalOpens([&](QWidget& dialog) {
        auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(list, nullptr);
        QTest::qWait(300);  // the folder is read in the background
        const QModelIndex folder = list->rootIndex();
        for (int row = 0; row < list->model()->rowCount(folder); ++row) {
            listed << list->model()->index(row, 0, folder).data().toString();
        }
        dialog.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/window_example_files.png"));
    });
    PressKey(Qt::Key_F2);
    ASSERT_FALSE(listed.isEmpty());
    for (const QString& name : listed) {
        EXPECT_TRUE(name.endsWith(QStringLiteral(".plm"))) << name.toStdString();
    }
}

TEST_F(WindowFixesTest, LeavingFullScreenBringsBackTheLayout) {
    frame.showNormal();
    frame.resize(1200, 800);
    auto* panes = frame.findChild<QSplitter*>();
    ASSERT_NE(panes, nullptr);
    panes->setSizes({300, 700});
    QTest::qWait(100);
    const QList<int> paneSizes = panes->sizes();
    const QSize size = frame.size();

    frame.ToggleFullScreen();
    QTest::qWait(200);
    EXPECT_TRUE(frame.ViewToolBar().isWindow());  // floating over the view
    EXPECT_FALSE(frame.ManagerBar().isVisible());
    PressKey(Qt::Key_Escape);
    QTest::qWait(200);
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/window_after_full_screen.png"));

    EXPECT_FALSE(frame.IsFullScreenMode());
    EXPECT_EQ(panes->sizes(), paneSizes);
    EXPECT_EQ(frame.size(), size);
    EXPECT_TRUE(frame.ManagerBar().isVisible());
    EXPECT_TRUE(frame.MainToolBar().isVisible());
    EXPECT_TRUE(frame.ViewToolBar().isVisible());
    EXPECT_FALSE(frame.ViewToolBar().isWindow());
    EXPECT_TRUE(frame.statusBar()->isVisible());
}

// Under Xvfb no window manager answers a request for full screen: the window must take the
// screen itself and give it back to the pixel.
TEST_F(WindowFixesTest, FullScreenCoversTheScreenAndEscapeRestoresTheExactPlace) {
    frame.showNormal();
    frame.setGeometry(130, 90, 1100, 720);
    QTest::qWait(200);
    const QRect before = frame.geometry();
    QToolBar& bar = frame.ViewToolBar();
    QAction* button = nullptr;
    for (QAction* action : bar.actions()) {
        if (action->statusTip() == Action(cmd::kFullScreen).statusTip()) {
            button = action;
        }
    }
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(bar.widgetForAction(button), Qt::LeftButton);
    const QRect screen = frame.screen()->geometry();
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.geometry() == screen; }, 2000))
        << frame.geometry().x() << "," << frame.geometry().y() << " " << frame.geometry().width()
        << "x" << frame.geometry().height();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(frame.IsFullScreenMode());
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.geometry() == before; }, 2000))
        << frame.geometry().x() << "," << frame.geometry().y() << " " << frame.geometry().width()
        << "x" << frame.geometry().height();
}

TEST_F(WindowFixesTest, ASelectedPointIsRingedAndTheTreeShowsEverySelectedCell) {
    AddTriangle();
    frame.Tree().Rebuild();
    CPlomView& view = frame.View();
    const auto at = [&](int v) {
        const Float3& p = doc.CurrentPage().m_pos[v];
        return test::WindowPosition(view, view.Settings().m_camera, {p[0], p[1], p[2]});
    };
    const uint32_t pageCode = doc.CurrentPage().m_nId * 10000u;
    ManagerTree& tree = frame.Tree();
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, at(2));
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, (at(0) + at(1)) / 2);
    ASSERT_EQ(doc.CurrentPage().m_selPoints, std::vector<int>{2});
    ASSERT_EQ(doc.CurrentPage().m_selLines.size(), 1u);
    const QList<QTreeWidgetItem*> highlighted = tree.selectedItems();
    ASSERT_EQ(highlighted.size(), 2);
    EXPECT_TRUE(highlighted.contains(tree.FindItem(pageCode + 1003)));  // C
    EXPECT_TRUE(tree.FindItem(pageCode + 1000)->isExpanded());
    EXPECT_TRUE(highlighted.contains(
        tree.FindItem(pageCode + 3000 + doc.CurrentPage().m_selLines.front())));

    // A selected point: a dot of the selection colour twice the size of the others, ringed.
    view.update();
    QTest::qWait(50);
    const QImage shown = view.grabFramebuffer();
    const QColor mark(255, 0, 0);
    const QPoint c = at(2);
    for (const QPoint& edge : {QPoint(-5, 0), QPoint(0, 5), QPoint(5, 0)}) {
        EXPECT_EQ(shown.pixelColor(c + edge), mark) << edge.x() << "," << edge.y();
    }
    EXPECT_EQ(shown.pixelColor(c), mark);
    EXPECT_NE(shown.pixelColor(c + QPoint(0, 3)), mark);
    shown.copy(QRect(c - QPoint(60, 60), QSize(120, 120)))
        .scaled(360, 360)
        .save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/selected_point.png"));
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/selection_in_tree.png"));

    // A click on empty space ends the selection, in the tree as well.
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(15, view.height() - 15));
    EXPECT_TRUE(doc.CurrentPage().m_selPoints.empty());
    EXPECT_TRUE(tree.selectedItems().isEmpty());
}

TEST_F(WindowFixesTest, TheViewKeepsHalfOfANarrowWindow) {
    frame.showNormal();
    frame.resize(1400, 900);
    frame.OpenNotesPane();
    QTest::qWait(100);
    for (const int width : {1100, 900, 700}) {
        SCOPED_TRACE(width);
        frame.resize(width, 640);
        QTest::qWait(150);
        EXPECT_GE(frame.View().width(), width / 2);
    }
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/narrow_window.png"));

    // Nor does dragging the notes' edge into the view take the view's half.
    auto* panes = frame.findChild<QSplitter*>();
    ASSERT_NE(panes, nullptr);
    QSplitterHandle* handle = panes->handle(1);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, QPoint(2, 50));
    QTest::mouseMove(handle, QPoint(500, 50));
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, QPoint(500, 50));
    QTest::qWait(150);
    EXPECT_GE(frame.View().width(), frame.width() / 2);
}

// 全选当前页 marks the page; the display switches chosen with F4 a moment before stay.
TEST_F(WindowFixesTest, SelectingThePageKeepsTheDisplaySwitchesJustChosen) {
    AddTriangle();
    doc.CurrentPage().m_nScheme = kPresetWireframe;
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    frame.View().setFocus();
    PressKey(Qt::Key_F4);  // 线框
    PressKey(Qt::Key_F4);  // 迷彩: coloured lines
    const CGlModel& settings = frame.View().Settings();
    ASSERT_EQ(settings.m_bColorLines, 1);
    PressKey(Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(doc.m_bPageSelected);
    EXPECT_TRUE(frame.PageName().contains(QStringLiteral("选中")));
    EXPECT_EQ(settings.m_bColorLines, 1);
}

TEST_F(WindowFixesTest, TheTreeFollowsTheFigureAndSwitchesPages) {
    AddTriangle();
    const uint32_t firstPage = doc.CurrentPage().m_nId * 10000u;
    Action(cmd::kNewPage).trigger();
    ManagerTree& tree = frame.Tree();
    const uint32_t secondPage = doc.CurrentPage().m_nId * 10000u;
    EXPECT_EQ(tree.currentItem(), tree.FindItem(secondPage));
    EXPECT_TRUE(tree.FindItem(secondPage)->font(0).bold());

    const auto clickItem = [&](uint32_t code) {
        QTreeWidgetItem* item = tree.FindItem(code);
        ASSERT_NE(item, nullptr) << code;
        for (QTreeWidgetItem* up = item->parent(); up != nullptr; up = up->parent()) {
            up->setExpanded(true);
        }
        tree.scrollToItem(item);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
        QTest::qWait(20);
    };
    clickItem(firstPage + 1002);  // vertex B of the first page
    EXPECT_EQ(doc.CurrentPageNumber(), 1);
    EXPECT_EQ(doc.CurrentPage().m_selPoints, std::vector<int>{1});
    EXPECT_EQ(tree.currentItem(), tree.FindItem(firstPage));
    EXPECT_TRUE(tree.FindItem(firstPage)->font(0).bold());
    EXPECT_FALSE(tree.FindItem(secondPage)->font(0).bold());
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/window_tree_follows.png"));

    clickItem(firstPage + 3001);  // the line AB, on the page that is current now
    EXPECT_EQ(doc.CurrentPage().m_selLines, std::vector<int>{1});
    Action(cmd::kUndo).trigger();  // the switch is undone like 上一页
    EXPECT_EQ(doc.CurrentPageNumber(), 2);
}

}  // namespace
}  // namespace velnor
