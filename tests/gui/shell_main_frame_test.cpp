#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDockWidget>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>

#include <functional>
#include <memory>

#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "model/document.h"
#include "model/page.h"
#include "shell/command_actions.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"
#include "shell/manager_tree.h"
#include "shell/notes_pane.h"
#include "shell/settings_bar.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

// The recent-file list goes to a test profile, not the user's.
struct TestProfile {
    TestProfile() { QStandardPaths::setTestModeEnabled(true); }
};

class MainFrameTest : public testing::Test, private TestProfile {
protected:
    MainFrameTest() {
        frame.resize(1400, 900);
        frame.show();
        QApplication::processEvents();
    }

    QAction& Action(int id) {
        QAction* action = frame.Actions().Action(id);
        EXPECT_NE(action, nullptr) << id;
        return *action;
    }

    // Where the frame would ask the user, the tests answer: the document is not modified.
    void Trigger(int id) {
        Action(id).trigger();
        QApplication::processEvents();
    }

    QStringList PageItems() {
        QStringList names;
        QTreeWidgetItem* root = frame.Tree().topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i) {
            names << root->child(i)->text(0);
        }
        return names;
    }

    CMainFrame frame;
    CPlomDoc& doc = frame.Document();
};

TEST_F(MainFrameTest, MenusHoldEveryTableCommandWithItsKeysAndPrompt) {
    int items = 0;
    for (const CommandEntry& entry : CommandTable()) {
        if (entry.text.starts_with("(")) {
            continue;
        }
        QAction& action = Action(entry.id);
        // Undo and Redo are relabelled by the history.
        if (entry.id != cmd::kUndo && entry.id != cmd::kRedo) {
            EXPECT_EQ(action.text().toStdString(), entry.text) << entry.id;
        }
        // The embedded-object items add why they are greyed.
        EXPECT_TRUE(action.statusTip().toStdString().starts_with(entry.prompt)) << entry.id;
        QMenu* menu = frame.Actions().Menu(QString::fromStdString(entry.menu));
        ASSERT_NE(menu, nullptr) << entry.menu;
        EXPECT_TRUE(menu->actions().contains(&action)) << entry.id;
        ++items;
    }
    EXPECT_GT(items, 150);

    const QList<QKeySequence> undoKeys = Action(cmd::kUndo).shortcuts();
    EXPECT_TRUE(undoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    EXPECT_TRUE(undoKeys.contains(QKeySequence(Qt::ALT | Qt::Key_Backspace)));
    EXPECT_TRUE(Action(cmd::kPanLeft).shortcuts().contains(QKeySequence(Qt::SHIFT | Qt::Key_Left)));
    EXPECT_TRUE(Action(cmd::kRotateXForward).shortcuts().contains(QKeySequence(Qt::Key_Down)));
    EXPECT_TRUE(Action(cmd::kPreviousPage).shortcuts().contains(QKeySequence(Qt::Key_PageUp)));
    EXPECT_TRUE(
        Action(cmd::kStartStop).shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Return)));
    EXPECT_TRUE(Action(cmd::kCut).shortcuts().contains(QKeySequence(Qt::SHIFT | Qt::Key_Delete)));
}

TEST_F(MainFrameTest, NoKeyIsTakenTwice) {
    QMap<QString, int> uses;
    for (QAction* action : frame.findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            ++uses[key.toString()];
        }
    }
    for (auto it = uses.cbegin(); it != uses.cend(); ++it) {
        EXPECT_EQ(it.value(), 1) << it.key().toStdString();
    }
}

TEST_F(MainFrameTest, MenuBarShowsTheMenusInOrder) {
    QStringList titles;
    for (QAction* menu : frame.menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, (QStringList{"文件", "编辑", "视图", "选择", "创建", "变换", "度量", "图文",
                                   "帮助"}));
    ASSERT_NE(frame.Actions().Menu("视图/投影类型"), nullptr);
    EXPECT_EQ(frame.Actions().Menu("视图/投影类型")->actions().size(), 3);
}

TEST_F(MainFrameTest, NewPageFromTheMenuAddsAPageToDocumentTreeAndStatusBar) {
    ASSERT_EQ(PageItems(), QStringList{" 第一页 "});
    Trigger(cmd::kNewPage);
    EXPECT_EQ(doc.m_pages.size(), 2u);
    EXPECT_EQ(doc.CurrentPage().m_strName, " 第二页 ");
    EXPECT_EQ(PageItems(), (QStringList{" 第一页 ", " 第二页 "}));
    EXPECT_EQ(frame.PageName(), " 第二页 ");
    EXPECT_TRUE(frame.isWindowModified());
    EXPECT_TRUE(Action(cmd::kPreviousPage).isEnabled());
    EXPECT_FALSE(Action(cmd::kNextPage).isEnabled());
}

TEST_F(MainFrameTest, UndoAndRedoTextsFollowTheHistory) {
    EXPECT_FALSE(Action(cmd::kUndo).isEnabled());
    Trigger(cmd::kNewPage);
    EXPECT_EQ(Action(cmd::kUndo).text(), "撤消 新建页(&U)");
    EXPECT_TRUE(Action(cmd::kUndo).isEnabled());
    Trigger(cmd::kUndo);
    EXPECT_EQ(doc.m_pages.size(), 1u);
    EXPECT_EQ(Action(cmd::kUndo).text(), "撤消");
    EXPECT_FALSE(Action(cmd::kUndo).isEnabled());
    EXPECT_EQ(Action(cmd::kRedo).text(), "重做 新建页(&R)");
    EXPECT_TRUE(Action(cmd::kRedo).isEnabled());
}

TEST_F(MainFrameTest, CommandsWithoutAnOperationOrWindowStayGreyed) {
    frame.Actions().UpdateStates();
    EXPECT_FALSE(Action(cmd::kInsertObject)
                     .isEnabled());  // 插入新对象: no embedded objects on this platform
    EXPECT_TRUE(Action(cmd::kOpenImage).isEnabled());          // 打开图象
    EXPECT_FALSE(Action(cmd::kScaleImage).isEnabled());        // 缩放图象: no image yet
    EXPECT_TRUE(Action(cmd::kZoomIn).isEnabled());             // 放大
    EXPECT_TRUE(Action(cmd::kCentralProjection).isEnabled());  // 中心投影
    Trigger(cmd::kThreeView);  // three views allow only the orthographic one
    EXPECT_TRUE(Action(cmd::kThreeView).isChecked());
    EXPECT_FALSE(Action(cmd::kCentralProjection).isEnabled());
    EXPECT_TRUE(Action(cmd::kOrthographicProjection).isChecked());
}

TEST_F(MainFrameTest, CopiedPageGoesThroughTheSystemClipboardAndPastesAsANewPage) {
    Trigger(cmd::kSelectWholePage);
    Trigger(cmd::kCopy);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_FALSE(data->data("application/x-velnor-morv").isEmpty());
    Trigger(cmd::kPaste);
    EXPECT_EQ(doc.m_pages.size(), 2u);
    EXPECT_EQ(PageItems().size(), 2);
}

TEST_F(MainFrameTest, SelectingTheWholePageMarksItInTheStatusBar) {
    Trigger(cmd::kSelectWholePage);
    EXPECT_EQ(frame.PageName(), " 第一页  ( 选中√) ");
}

TEST_F(MainFrameTest, RenamingAPageItemRenamesThePage) {
    QTreeWidgetItem* page = frame.Tree().FindItem(10000);
    ASSERT_NE(page, nullptr);
    page->setText(0, "棱柱");
    QApplication::processEvents();
    EXPECT_EQ(doc.CurrentPage().m_strName, "棱柱");
}

TEST_F(MainFrameTest, ManagerTreeCarriesTheCodesOfGroupsAndCells) {
    ASSERT_NE(frame.Tree().FindItem(10000 + 1000), nullptr);
    EXPECT_EQ(frame.Tree().FindItem(10000 + 1000)->text(0), "点");
    EXPECT_EQ(frame.Tree().FindItem(10000 + 3000)->text(0), "线");
    EXPECT_EQ(frame.Tree().FindItem(10000 + 5000)->text(0), "面");
    EXPECT_EQ(frame.Tree().FindItem(10000 + 7000)->text(0), "组件");
    EXPECT_EQ(frame.Tree().topLevelItem(0)->text(0), "3D图形");
    EXPECT_TRUE(frame.Tree().topLevelItem(0)->isExpanded());
}

TEST_F(MainFrameTest, CalculatorShowsEightAtStartAndFollowsTheFormula) {
    EXPECT_EQ(frame.Settings().ResultField()->text(), "8");
    QLineEdit* formula = frame.Settings().FormulaField();
    formula->clear();
    QTest::keyClicks(formula, "x*y");
    EXPECT_EQ(frame.Settings().ResultField()->text(), "2");
    QTest::keyClicks(formula, "+(");
    EXPECT_EQ(frame.Settings().ResultField()->text(), "");
}

TEST_F(MainFrameTest, OpeningADamagedFileKeepsTheDocumentAndSaysWhy) {
    Trigger(cmd::kNewPage);
    QTemporaryDir dir;
    const QString path = dir.filePath("damaged.plm");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a document");
    file.close();
    test::RecordingMessages messages;
    EXPECT_FALSE(frame.Files().OpenPath(path));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_FALSE(messages.texts.front().empty());
    EXPECT_EQ(doc.m_pages.size(), 2u);
    EXPECT_TRUE(frame.Files().Path().isEmpty());
}

TEST_F(MainFrameTest, ExampleFilesAreFoundAndOpen) {
    const QDir examples(ExamplesFolder());
    const QStringList documents = examples.entryList({QStringLiteral("*.plm")}, QDir::Files);
    ASSERT_FALSE(documents.isEmpty()) << examples.path().toStdString();
    for (const QString& name : documents) {
        EXPECT_TRUE(frame.Files().OpenPath(examples.filePath(name))) << name.toStdString();
        EXPECT_FALSE(doc.CurrentPage().m_lines.empty()) << name.toStdString();
    }
}

TEST_F(MainFrameTest, SavedNotesAndPagesComeBackWhenOpened) {
    Trigger(cmd::kNewPage);
    frame.Notes().setPlainText("正方体的对角线\n第二行");
    EXPECT_TRUE(frame.isWindowModified());
    QTemporaryDir dir;
    const QString path = dir.filePath("notes.plm");
    ASSERT_TRUE(frame.Files().SavePath(path));
    EXPECT_FALSE(frame.isWindowModified());
    EXPECT_TRUE(frame.windowTitle().startsWith("notes.plm"));

    ASSERT_TRUE(frame.Files().New());
    EXPECT_EQ(frame.Notes().toPlainText(), "");
    EXPECT_TRUE(frame.windowTitle().startsWith("未命名"));
    ASSERT_TRUE(frame.Files().OpenPath(path));
    EXPECT_EQ(frame.Notes().toPlainText(), "正方体的对角线\n第二行");
    EXPECT_EQ(doc.m_pages.size(), 2u);
    EXPECT_EQ(PageItems(), (QStringList{" 第一页 ", " 第二页 "}));
    EXPECT_EQ(frame.Files().RecentFiles().front(), QFileInfo(path).absoluteFilePath());
}

TEST_F(MainFrameTest, UneditedNotesKeepTheirLoadedBytes) {
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\b bold\\b0  notes\\par}";
    doc.SetNotesRtf(rtf);
    frame.Notes().ShowRtf(rtf);
    EXPECT_EQ(frame.Notes().toPlainText(), "bold notes");
    EXPECT_EQ(frame.Notes().Rtf(), rtf);
    frame.Notes().append("more");
    EXPECT_NE(frame.Notes().Rtf(), rtf);
}

TEST_F(MainFrameTest, EscapeOutsideFullScreenDoesNothingAndFullScreenComesBack) {
    Trigger(cmd::kFullScreen);
    EXPECT_TRUE(frame.IsFullScreenMode());
    EXPECT_FALSE(frame.ManagerBar().isVisible());
    Action(cmd::kManagerBar).trigger();
    EXPECT_TRUE(frame.ManagerBar().isVisible());
    EXPECT_TRUE(frame.ManagerBar().isFloating());
    Trigger(cmd::kFullScreen);
    EXPECT_FALSE(frame.IsFullScreenMode());
    EXPECT_TRUE(frame.ManagerBar().isVisible());
    EXPECT_FALSE(frame.ManagerBar().isFloating());
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_Escape);
    EXPECT_FALSE(frame.IsFullScreenMode());
    EXPECT_TRUE(frame.menuBar()->isVisible());

    Trigger(cmd::kFullScreen);
    QTest::keyClick(&frame, Qt::Key_Escape);
    EXPECT_FALSE(frame.IsFullScreenMode());
    EXPECT_TRUE(frame.ManagerBar().isVisible());
}
}  // namespace
}  // namespace velnor

namespace velnor {
namespace {

TEST_F(MainFrameTest, ALaptopScreenHoldsTheWindowWithTheSettingsScrolling) {
    EXPECT_LE(frame.minimumSizeHint().height(), 700);
    auto* tabs = frame.ManagerBar().findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(1);
    frame.resize(1280, 700);
    QTest::qWait(100);
    EXPECT_EQ(frame.height(), 700);
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/main_frame_settings_small.png"));
}

TEST(MainFrameStart, CommandLineFileOpensOnceTheViewIsReady) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    const QString path = dir.filePath("start.plm");
    {
        CMainFrame writer;
        writer.Actions().Run(cmd::kNewPage);
        ASSERT_TRUE(writer.Files().SavePath(path));
    }
    CMainFrame frame;
    frame.OpenAtStart(path);
    frame.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.Files().Path().isEmpty(); }, 3000));
    EXPECT_EQ(frame.Document().m_pages.size(), 2u);
    EXPECT_TRUE(frame.windowTitle().startsWith("start.plm"));
}

// Counts the timeouts of every QTimer in the program.
class TimerCounter : public QObject {
public:
    TimerCounter() { QApplication::instance()->installEventFilter(this); }
    ~TimerCounter() override { QApplication::instance()->removeEventFilter(this); }

    int timeouts = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && qobject_cast<QTimer*>(watched) != nullptr) {
            ++timeouts;
        }
        return QObject::eventFilter(watched, event);
    }
};

// A class watches the window for minutes with nobody touching it: nothing may poll.
TEST_F(MainFrameTest, AStillWindowRunsNoTimers) {
    QTest::qWait(500);
    const TimerCounter timers;
    QTest::qWait(2000);
    EXPECT_EQ(timers.timeouts, 0);
}

// Without polling, the commands' states follow what changed them once the user's input or the
// window's activation says something may have.
TEST_F(MainFrameTest, StatesFollowInputAndActivation) {
    struct Case {
        const char* name;
        int id;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"a page added behind the current one, then a key", cmd::kNextPage,
         [&] {
             doc.m_pages.push_back(std::make_unique<CGpage>());
             QTest::keyRelease(&frame, Qt::Key_Shift);
         }},
        {"a picture on the clipboard, then the window activated", cmd::kPaste,
         [&] {
             QApplication::clipboard()->setImage(QImage(8, 8, QImage::Format_RGB32));
             QEvent activate(QEvent::WindowActivate);
             QApplication::sendEvent(&frame, &activate);
         }},
    };
    QApplication::clipboard()->clear();
    frame.Actions().UpdateStates();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(Action(c.id).isEnabled());
        c.change();
        QTest::qWait(50);
        EXPECT_TRUE(Action(c.id).isEnabled());
    }
}

}  // namespace
}  // namespace velnor
