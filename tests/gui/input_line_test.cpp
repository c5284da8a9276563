#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QDialog>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "commands/command_execution.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "model/document.h"
#include "model/page.h"
#include "shell/document_files.h"
#include "shell/input_line.h"
#include "shell/main_frame.h"
#include "shell/notes_pane.h"
#include "shell/script_run.h"
#include "view/camera_control.h"
#include "view/plom_view.h"

namespace velnor {
namespace {

// Answers the next modal dialog, once it shows, with `answer`; remembers its title.
class DialogAnswer {
public:
    explicit DialogAnswer(std::function<void(QDialog&)> answer) : m_answer(std::move(answer)) {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr && dialog->isVisible()) {
                m_timer.stop();
                title = dialog->windowTitle();
                m_answer(*dialog);
            }
        });
        m_timer.start();
    }

    QString title;

private:
    std::function<void(QDialog&)> m_answer;
    QTimer m_timer;
};

class InputLineTest : public testing::Test {
protected:
    InputLineTest() {
        QStandardPaths::setTestModeEnabled(true);
        frame.resize(1400, 900);
        frame.show();
        QApplication::processEvents();
    }

    // Types a whole line and presses Enter.
    void Enter(const QString& line) {
        edit.setFocus();
        edit.setText(line);
        QTest::keyClick(&edit, Qt::Key_Return);
        QApplication::processEvents();
    }

    void EnterAll(const QStringList& lines) {
        for (const QString& line : lines) {
            Enter(line);
        }
    }

    // Text as an input method hands it over: how Chinese arrives in the line.
    void Compose(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(&edit, &event);
        QApplication::processEvents();
    }

    bool Checked(int id) { return IsCommandChecked(*FindCommand(id), doc); }

    CMainFrame frame;
    CPlomDoc& doc = frame.Document();
    CGpage& Page() { return doc.CurrentPage(); }
    InputLine& line = frame.Input();
    QLineEdit& edit = line.Edit();
};

TEST_F(InputLineTest, EachLineRunsAsOneUndoableStep) {
    const struct {
        const char* line;
        int vertices;
        int lines;
        int steps;  // entries of the undo history
    } cases[] = {
        {"point 0 0 0", 1, 0, 1},
        {"point 2 0 0", 2, 0, 2},
        {"select points 0 1", 2, 0, 2},
        {"线段、射线、直线、向量", 2, 1, 3},
        {"select lines 1", 2, 1, 3},
        {"中点", 3, 1, 4},
        {"undo", 2, 1, 4},
        {"redo", 3, 1, 4},
        {"select lines 1", 3, 1, 4},
        {"定比分点 m=3 n=1", 4, 1, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Enter(QString::fromUtf8(c.line));
        EXPECT_EQ(Page().m_nVertexCount, c.vertices);
        EXPECT_EQ(static_cast<int>(Page().m_lines.size()), c.lines);
        EXPECT_EQ(doc.CommandProcessor().Count(), c.steps);
        EXPECT_TRUE(line.Note().isEmpty()) << line.Note().toStdString();
        EXPECT_TRUE(edit.text().isEmpty());
    }
    EXPECT_FLOAT_EQ(Page().m_pos[3][0], 1.5f);
    EXPECT_TRUE(frame.isWindowModified());
}

TEST_F(InputLineTest, ABadLineSaysWhyBesideItAndStaysToBeCorrected) {
    EnterAll({"point 0 0 0", "point 1 0 0", "line 0 1", "select lines 1"});
    const int steps = doc.CommandProcessor().Count();
    const struct {
        const char* line;
        const char* problem;
    } cases[] = {
        {"画圆", "unknown command '画圆'"},
        {"point 1 2", "usage"},
        {"line 0 9", "9"},
        {"定比分点 m=x", "m=x"},
        {"中点 color=1", "color"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Enter(QString::fromUtf8(c.line));
        EXPECT_TRUE(line.NoteIsError());
        EXPECT_TRUE(line.Note().contains(QString::fromUtf8(c.problem)))
            << line.Note().toStdString();
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.line));
        EXPECT_EQ(edit.selectedText(), QString::fromUtf8(c.line));
        EXPECT_EQ(Page().m_nVertexCount, 2);
        EXPECT_EQ(doc.CommandProcessor().Count(), steps);
    }
    Enter(QStringLiteral("point 5 5 5"));
    EXPECT_FALSE(line.NoteIsError());
    EXPECT_TRUE(line.Note().isEmpty());
}

TEST_F(InputLineTest, MessagesAndGreyedCommandsShowBesideTheLine) {
    EnterAll({"point 0 0 0", "point 1 0 0", "point 0 1 0", "point 1 1 0", "line 0 1", "line 2 3",
              "select lines 1 2", "交点"});
    EXPECT_FALSE(line.NoteIsError());
    EXPECT_EQ(line.Note(), QStringLiteral("两线平行无交点!"));
    EXPECT_EQ(Page().m_nVertexCount, 4);
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/input_line_message.png"));

    Enter(QStringLiteral("select none"));
    Enter(QStringLiteral("修改线的方向"));
    EXPECT_FALSE(line.NoteIsError());
    EXPECT_EQ(line.Note(), QStringLiteral("“修改线的方向”现在不可用"));
}

TEST_F(InputLineTest, UpAndDownWalkTheLinesEnteredBefore) {
    EnterAll({"point 0 0 0", "point 1 0 0", "point 1 0 0"});
    edit.setText(QStringLiteral("poi"));
    const auto press = [this](Qt::Key key) {
        QTest::keyClick(&edit, key);
        return edit.text();
    };
    EXPECT_EQ(press(Qt::Key_Up), "point 1 0 0");
    EXPECT_EQ(press(Qt::Key_Up), "point 0 0 0");
    EXPECT_EQ(press(Qt::Key_Up), "point 0 0 0");
    EXPECT_EQ(press(Qt::Key_Down), "point 1 0 0");
    EXPECT_EQ(press(Qt::Key_Down), "poi");
    // The keys walked the history instead of turning the camera.
    EXPECT_EQ(doc.CommandProcessor().Count(), 3);
    EXPECT_FALSE(frame.View().Control().m_bTimerOn);
}

TEST_F(InputLineTest, CommandNamesAndTheLanguagesWordsComplete) {
    edit.setFocus();
    QCompleter* completer = edit.completer();
    ASSERT_NE(completer, nullptr);
    const struct {
        const char* typed;
        const char* offered;
        const char* notOffered;
    } cases[] = {
        {"图元", "图元集", "组件"},       {"图元", "修改图元属性", "图元集..."},
        {"poi", "point", "page"},         {"组件阵", "组件阵列", "组件"},
        {"距离", "点到平面距离", "面积"}, {"距离", "两点间距离", "距离"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        edit.clear();
        Compose(QString::fromUtf8(c.typed));
        EXPECT_TRUE(completer->popup()->isVisible());
        QStringList offered;
        for (int row = 0; completer->setCurrentRow(row); ++row) {
            offered << completer->currentCompletion();
        }
        EXPECT_TRUE(offered.contains(QString::fromUtf8(c.offered)));
        EXPECT_FALSE(offered.contains(QString::fromUtf8(c.notOffered)));
    }
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QStringLiteral(VELNOR_SCREENSHOT_DIR "/input_line_completion.png"));
}

TEST_F(InputLineTest, EnterOnAChosenCompletionTakesItAndRunsNothing) {
    edit.setFocus();
    Compose(QStringLiteral("新建"));
    QAbstractItemView* popup = edit.completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(edit.text(), QStringLiteral("新建文件"));
    EXPECT_FALSE(popup->isVisible());
    EXPECT_TRUE(line.Note().isEmpty()) << line.Note().toStdString();
    EXPECT_EQ(doc.m_pages.size(), 1u);
    // Enter again runs it.
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_TRUE(edit.text().isEmpty());
    EXPECT_TRUE(line.Note().isEmpty()) << line.Note().toStdString();
}

TEST_F(InputLineTest, WindowCommandsRunFromTheLine) {
    const struct {
        const char* line;
        int id;  // the command whose check mark the line turns over
    } cases[] = {
        {"三视图", cmd::kThreeView},
        {"33091", cmd::kThreeView},  // the command's number, as a script may give it
        {"斜(二测)投影", cmd::kObliqueProjection},
        {"控制条", cmd::kControlBar},
        {"显示网格", cmd::kShowGrid},
        {"较慢", cmd::kSpeedSlower},
        {"管理栏", cmd::kManagerBar},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const bool before = Checked(c.id);
        Enter(QString::fromUtf8(c.line));
        EXPECT_FALSE(line.NoteIsError()) << line.Note().toStdString();
        EXPECT_NE(Checked(c.id), before);
    }
}

TEST_F(InputLineTest, FileCommandsTakeTheirFileWithoutADialog) {
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("教案"));
    const QString notes = dir.filePath(QStringLiteral("notes.rtf"));
    EnterAll({"point 1 2 3", "另存为 file=" + document});
    EXPECT_FALSE(line.NoteIsError()) << line.Note().toStdString();
    EXPECT_EQ(frame.Files().Path(), document + QStringLiteral(".plm"));
    EXPECT_FALSE(frame.isWindowModified());

    frame.Notes().setPlainText(QStringLiteral("棱长为2的正方体"));
    Enter("保存RTF文件 file=" + notes);
    EXPECT_TRUE(QFile::exists(notes));
    // The notes changed since the save: 新建文件 asks first, as from the menu.
    const DialogAnswer discard([](QDialog& dialog) {
        qobject_cast<QMessageBox*>(&dialog)->button(QMessageBox::No)->click();
    });
    EnterAll({"新建文件", "打开 file=" + document + ".plm", "打开RTF文件 file=" + notes});
    EXPECT_EQ(discard.title, QStringLiteral("Velnor"));
    EXPECT_FALSE(line.NoteIsError()) << line.Note().toStdString();
    EXPECT_EQ(Page().m_nVertexCount, 1);
    EXPECT_FLOAT_EQ(Page().m_pos[0][2], 3.0f);
    EXPECT_TRUE(frame.Notes().toPlainText().contains(QStringLiteral("棱长为2的正方体")));

    Enter(QStringLiteral("保存"));
    EXPECT_FALSE(frame.isWindowModified());
    // A file that cannot be read or written leaves the document and its file as they were.
    const struct {
        const char* line;
        const char* problem;
    } failures[] = {
        {"另存为 file=/no/such/folder/x.plm", "没有保存 /no/such/folder/x.plm；"},
        {"打开 file=/no/such/folder/x.plm", "没有打开 /no/such/folder/x.plm；"},
        {"打开RTF文件 file=/no/such/folder/x.rtf", "没有打开 /no/such/folder/x.rtf；"},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.line);
        Enter(QString::fromUtf8(failure.line));
        EXPECT_TRUE(line.NoteIsError());
        EXPECT_TRUE(line.Note().startsWith(QString::fromUtf8(failure.problem)))
            << line.Note().toStdString();
        EXPECT_EQ(frame.Files().Path(), document + QStringLiteral(".plm"));
        EXPECT_EQ(Page().m_nVertexCount, 1);
    }
}

TEST_F(InputLineTest, TheNotesPaneTheRegionsCopyAndQuotedNamesRunFromTheLine) {
    auto* panes = frame.findChild<QSplitter*>();
    ASSERT_NE(panes, nullptr);
    panes->setSizes({0, 1000});
    Enter(QStringLiteral("拉开文档窗口"));
    EXPECT_FALSE(line.NoteIsError()) << line.Note().toStdString();
    EXPECT_GT(panes->sizes().value(0), 0);

    // With a screen region selected and no cell, 复制 copies the region as the menu does.
    QGuiApplication::clipboard()->clear();
    Enter(QStringLiteral("设置区域 width=120 height=90"));
    Enter(QStringLiteral("复制"));
    EXPECT_FALSE(line.NoteIsError()) << line.Note().toStdString();
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());

    QTemporaryDir dir;
    const QString lesson = dir.filePath(QStringLiteral("第 1 课"));
    EnterAll({"point 1 2 3", "另存为 file=\"" + lesson + "\""});
    EXPECT_FALSE(line.NoteIsError()) << line.Note().toStdString();
    EXPECT_EQ(frame.Files().Path(), lesson + QStringLiteral(".plm"));
    EXPECT_TRUE(QFile::exists(lesson + QStringLiteral(".plm")));
}

TEST_F(InputLineTest, ACommandWithoutValuesOpensItsDialogAsItsMenuItemDoes) {
    EnterAll({"point 0 0 0", "point 4 0 0", "line 0 1", "select lines 1"});
    DialogAnswer answer([](QDialog& dialog) { dialog.accept(); });
    Enter(QStringLiteral("定比分点"));
    EXPECT_FALSE(answer.title.isEmpty());
    EXPECT_FALSE(line.NoteIsError()) << line.Note().toStdString();
    ASSERT_EQ(Page().m_nVertexCount, 3);
    EXPECT_FLOAT_EQ(Page().m_pos[2][0], 2.0f);

    DialogAnswer cancel([](QDialog& dialog) { dialog.reject(); });
    Enter(QStringLiteral("select lines 1"));
    Enter(QStringLiteral("定比分点"));
    EXPECT_FALSE(cancel.title.isEmpty());
    EXPECT_EQ(Page().m_nVertexCount, 3);
}

TEST_F(InputLineTest, AScriptRunsItsLinesOneAfterAnotherAndWaitsForTheirDialogs) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("figure.script"));
    QFile script(path);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("# the figure set of the dialog's defaults\n图元集\n三视图\npoint 9 9 9\n");
    script.close();
    DialogAnswer answer([](QDialog& dialog) { dialog.accept(); });
    ScriptRun run(frame.ScriptRunner(), frame, path);
    ASSERT_TRUE(run.Load());
    run.Start();
    const auto lastVertexAt9 = [&] {
        return Page().m_nVertexCount > 0 && Page().m_pos[Page().m_nVertexCount - 1][0] == 9.0f;
    };
    ASSERT_TRUE(QTest::qWaitFor(lastVertexAt9, 10000));
    EXPECT_TRUE(answer.title.contains(QStringLiteral("图元集"))) << answer.title.toStdString();
    EXPECT_TRUE(Checked(cmd::kThreeView));
    EXPECT_GT(Page().m_nVertexCount, 1);
    EXPECT_FALSE(Page().m_lines.empty());
}

}  // namespace
}  // namespace velnor
