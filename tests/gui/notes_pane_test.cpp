#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "gui/text_document_description.h"
#include "gui/text_typing.h"
#include "model/document.h"
#include "richtext/rtf_reader.h"
#include "shell/command_actions.h"
#include "shell/dialogs/find_dialog.h"
#include "shell/dialogs/replace_dialog.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"
#include "shell/notes_pane.h"
#include "shell/notes_search.h"
#include "shell/text_commands.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

// A lesson's notes as an older word processor stored them: 宋体 and Arial, bold, colours, three
// sizes, a centred title, Chinese as code page 936 bytes.
constexpr const char* kLessonNotes =
    "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"
    "{\\f1\\fswiss\\fcharset0 Arial;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "\\viewkind4\\uc1\\pard\\qc\\f0\\fs36\\b\\cf1 \\'b9\\'b4\\'b9\\'c9\\'b6\\'a8\\'c0\\'ed\\b0\\cf0"
    "\\par\r\n\\pard\\f1\\fs20 In a right triangle \\cf2\\i\\fs28 a\\'b2+b\\'b2=c\\'b2\\i0\\cf0"
    "\\f0\\fs20  \\'d6\\'b1\\'bd\\'c7\\'c8\\'fd\\'bd\\'c7\\'d0\\'ce\\par\r\n}";

class NotesPaneTest : public testing::Test {
protected:
    NotesPaneTest() {
        QStandardPaths::setTestModeEnabled(true);
        frame.resize(1400, 900);
        frame.show();
        QApplication::processEvents();
    }

    NotesPane& Notes() { return frame.Notes(); }

    CMainFrame frame;
};

TEST_F(NotesPaneTest, StoredFormattingSurvivesAnEditASaveAndALoad) {
    frame.Document().SetNotesRtf(kLessonNotes);
    Notes().ShowRtf(kLessonNotes);
    EXPECT_EQ(Notes().toPlainText(),
              QStringLiteral("勾股定理\nIn a right triangle a²+b²=c² 直角三角形"));
    Notes().moveCursor(QTextCursor::End);
    test::TypeText(Notes(), QStringLiteral("，斜边最长"));
    ASSERT_TRUE(Notes().IsEdited());
    const QString edited = test::DescribeDocument(*Notes().document());
    EXPECT_TRUE(edited.contains(QStringLiteral("\"勾股定理\" font=宋体 size=18 bold=1")));
    EXPECT_TRUE(edited.contains(QStringLiteral("\"a²+b²=c²\" font=Arial size=14 bold=0 italic=1")));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lesson.plm"));
    ASSERT_TRUE(frame.Files().SavePath(path));
    ASSERT_TRUE(frame.Files().New());
    EXPECT_EQ(Notes().toPlainText(), QString());
    ASSERT_TRUE(frame.Files().OpenPath(path));
    EXPECT_EQ(test::DescribeDocument(*Notes().document()).toStdString(), edited.toStdString());
    EXPECT_FALSE(Notes().IsEdited());
}

// The pane's keys format and undo its own text; the figure's history and view keep theirs.
TEST_F(NotesPaneTest, KeysFormatAndUndoInsideThePaneOnly) {
    CommandParams params;
    params.Set("text", "勾股");
    frame.Actions().Run(*FindCommand(cmd::kAddText), params);
    ASSERT_EQ(frame.Document().CurrentPage().m_solids.size(), 1u);
    Notes().setFocus();
    test::TypeText(Notes(), QStringLiteral("笔记"));
    Notes().selectAll();
    QTest::keyClick(&Notes(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(&Notes(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(Notes().currentCharFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(Notes().currentCharFormat().fontUnderline());
    QTest::keyClick(&Notes(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&Notes(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&Notes(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Notes().toPlainText(), QString());
    EXPECT_EQ(frame.Document().CurrentPage().m_solids.size(), 1u);
    QTest::keyClick(&Notes(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(Notes().toPlainText(), QStringLiteral("笔记"));
}

TEST_F(NotesPaneTest, FindAndReplaceAllOverChineseText) {
    test::RecordingMessages messages;
    Notes().setPlainText(QStringLiteral("勾股定理：勾三股四弦五。Area area\n勾股"));
    frame.Actions().Run(cmd::kFind);
    FindDialog* find = frame.Texts().Find();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->isVisible());
    find->FindText().setText(QStringLiteral("勾股"));
    find->FindNextMatch();
    EXPECT_EQ(Notes().textCursor().selectionStart(), 0);
    find->FindNextMatch();
    EXPECT_EQ(Notes().textCursor().selectionStart(), 22);
    find->FindNextMatch();  // round the end to the first again
    EXPECT_EQ(Notes().textCursor().selectionStart(), 0);
    find->Up().setChecked(true);
    find->FindNextMatch();
    EXPECT_EQ(Notes().textCursor().selectionStart(), 22);
    find->Down().setChecked(true);
    find->FindText().setText(QStringLiteral("area"));
    find->MatchCase().setChecked(true);
    find->FindNextMatch();
    EXPECT_EQ(Notes().textCursor().selectedText(), QStringLiteral("area"));
    find->FindText().setText(QStringLiteral("余弦"));
    find->FindNextMatch();
    EXPECT_EQ(messages.texts, std::vector<std::string>{"找不到"});
    find->FindText().setText(QStringLiteral("勾股定理"));
    find->FindNextMatch();
    find->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/find_dialog.png"));

    frame.Actions().Run(cmd::kReplace);
    ReplaceDialog* replace = frame.Texts().Replace();
    ASSERT_NE(replace, nullptr);
    replace->FindText().setText(QStringLiteral("勾"));
    replace->ReplaceText().setText(QStringLiteral("句"));
    replace->ReplaceEverything();
    EXPECT_EQ(Notes().toPlainText(), QStringLiteral("句股定理：句三股四弦五。Area area\n句股"));
    replace->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/replace_dialog.png"));
    Notes().undo();
    EXPECT_EQ(Notes().toPlainText(), QStringLiteral("勾股定理：勾三股四弦五。Area area\n勾股"));
    replace->FindText().setText(QStringLiteral("弦"));
    replace->ReplaceText().setText(QStringLiteral("斜边"));
    replace->ReplaceOne();  // selects the first match
    replace->ReplaceOne();  // replaces it
    EXPECT_TRUE(Notes().toPlainText().contains(QStringLiteral("股四斜边五")));
}

// The keyboard path a teacher takes: type, Tab, type, then 全部替换 with the mouse.
TEST_F(NotesPaneTest, TabLeadsFromTheSearchTextToTheReplacementAndAnEmptyOneAsksFirst) {
    Notes().setPlainText(QStringLiteral("cube edge, cube face"));
    frame.Actions().Run(cmd::kReplace);
    ReplaceDialog* replace = frame.Texts().Replace();
    ASSERT_NE(replace, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(replace));
    // Keys go where the dialog's focus is, whichever window the test display made active.
    const auto typeInDialog = [&](const QString& text) {
        QTest::keyClicks(replace->focusWidget(), text);
    };
    replace->FindText().setFocus();
    typeInDialog(QStringLiteral("cube"));
    QTest::keyClick(replace->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(replace->focusWidget(), &replace->ReplaceText());
    typeInDialog(QStringLiteral("prism"));
    EXPECT_EQ(replace->ReplaceText().text(), QStringLiteral("prism"));
    replace->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/replace_typed.png"));
    QTest::keyClick(replace->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(replace->focusWidget(), &replace->MatchWholeWord());

    auto* replaceAll = replace->findChild<QPushButton*>(QStringLiteral("replaceAll"));
    ASSERT_NE(replaceAll, nullptr);
    replace->ReplaceText().clear();
    struct Case {
        QMessageBox::StandardButton answer;
        const char* notesAfter;
    };
    for (const Case& c :
         {Case{QMessageBox::No, "cube edge, cube face"}, Case{QMessageBox::Yes, " edge,  face"}}) {
        SCOPED_TRACE(c.notesAfter);
        QString question;
        QTimer::singleShot(100, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            question = box->text();
            if (c.answer == QMessageBox::No) {
                box->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/replace_all_empty.png"));
            }
            box->button(c.answer)->click();
        });
        QTest::mouseClick(replaceAll, Qt::LeftButton);
        EXPECT_TRUE(question.contains(QStringLiteral("删除")));
        EXPECT_EQ(Notes().toPlainText(), QString::fromUtf8(c.notesAfter));
    }
}

TEST_F(NotesPaneTest, EmptyNotesSaveAsAnEmptyRtfDocument) {
    ASSERT_TRUE(frame.Files().New());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("笔记.rtf"));
    ASSERT_TRUE(frame.Files().ExportNotes(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray rtf = saved.readAll();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1")) << rtf.constData();
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
    QTextDocument read;
    ReadRtf(rtf.toStdString(), read);
    EXPECT_EQ(read.toPlainText(), QString());
}

TEST_F(NotesPaneTest, ScreenshotOfFormattedNotes) {
    Notes().ShowRtf(kLessonNotes);
    frame.OpenNotesPane();
    QTest::qWait(200);
    EXPECT_TRUE(Notes().isVisible());
    EXPECT_TRUE(frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/notes_pane.png")));
}

}  // namespace
}  // namespace velnor
