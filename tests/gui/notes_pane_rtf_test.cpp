#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <string>

#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "gui/text_document_description.h"
#include "gui/text_typing.h"
#include "richtext/rtf_reader.h"
#include "shell/command_actions.h"
#include "shell/main_frame.h"
#include "shell/notes_pane.h"

namespace velnor {
namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files that LibreOffice Writer wrote, opened with 打开RTF文件: they show their Chinese title,
// lists and table; saved unedited with 保存RTF文件 they keep their bytes; once edited, the notes
// are written anew and read back as they show.
TEST(NotesPaneRtf, ShowsWordProcessorFilesAndSavesThemUneditedAsTheyWere) {
    QStandardPaths::setTestModeEnabled(true);
    CMainFrame frame;
    frame.resize(1400, 900);
    frame.show();
    frame.OpenNotesPane();
    QTemporaryDir folder;
    const struct {
        const char* name;
        const char* shown;
    } files[] = {
        {"lesson_text", "list=-5/2 a.\n  \"画直角 \""},
        {"lesson_table", "cell=0,0 span=1x2\n  \"合并\""},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const QString source = QStringLiteral(VELNOR_TEST_DATA "/rtf/%1.rtf").arg(file.name);
        CommandParams open;
        open.Set("file", source.toStdString());
        frame.Actions().Run(*FindCommand(cmd::kImportNotes), open);
        QTest::qWait(200);
        NotesPane& notes = frame.Notes();
        EXPECT_TRUE(
            test::DescribeDocument(*notes.document()).contains(QString::fromUtf8(file.shown)));
        EXPECT_TRUE(frame.grab().save(
            QStringLiteral(VELNOR_SCREENSHOT_DIR "/notes_pane_%1.png").arg(file.name)));

        const QString unedited = folder.filePath(QStringLiteral("unedited.rtf"));
        CommandParams save;
        save.Set("file", unedited.toStdString());
        frame.Actions().Run(*FindCommand(cmd::kExportNotes), save);
        EXPECT_EQ(ReadFile(unedited), ReadFile(source));

        notes.moveCursor(QTextCursor::End);
        test::TypeText(notes, QStringLiteral("，完"));
        const QString edited = folder.filePath(QStringLiteral("%1.rtf").arg(file.name));
        save.Set("file", edited.toStdString());
        frame.Actions().Run(*FindCommand(cmd::kExportNotes), save);
        const QByteArray written = ReadFile(edited);
        EXPECT_NE(written, ReadFile(source));
        QTextDocument read;
        read.setDefaultFont(notes.document()->defaultFont());
        ReadRtf(written.toStdString(), read);
        EXPECT_EQ(test::DescribeDocument(read).toStdString(),
                  test::DescribeDocument(*notes.document()).toStdString());
    }
}

}  // namespace
}  // namespace velnor
