#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "model/document.h"
#include "model/page.h"
#include "persistence/document_io.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"

namespace velnor {
namespace {

// 保存 over files a teacher's system may hold: a lesson shared read-only with colleagues, and a
// lesson reached through a symbolic link from the desktop.
TEST(SafeSave, SavingKeepsTheModeAndWritesThroughASymbolicLink) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    const QString lesson = dir.filePath(QStringLiteral("lesson.plm"));
    const QString link = dir.filePath(QStringLiteral("link.plm"));
    CMainFrame frame;
    ASSERT_TRUE(frame.Files().SavePath(lesson));
    const auto readOnlyForOthers = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                   QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(lesson, readOnlyForOthers));
    ASSERT_TRUE(QFile::link(lesson, link));

    frame.Document().CurrentPage().AddVertex(1, 2, 3);
    ASSERT_TRUE(frame.Files().SavePath(lesson));
    EXPECT_EQ(QFile::permissions(lesson), readOnlyForOthers);

    frame.Document().CurrentPage().AddVertex(4, 5, 6);
    ASSERT_TRUE(frame.Files().SavePath(link));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFile::permissions(lesson), readOnlyForOthers);
    CPlomDoc saved;
    saved.OnNewDocument();
    LoadDocumentFile(saved, lesson.toStdString());
    EXPECT_EQ(saved.CurrentPage().m_nVertexCount, 2);
}

}  // namespace
}  // namespace velnor
