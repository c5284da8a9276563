#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

#include "commands/command_ids.h"
#include "shell/command_actions.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"

namespace velnor {
namespace {

// A folder as a teacher's has one: a lesson, pictures, a subfolder, a file of no known type.
void FillFolder(const QString& folder) {
    QDir(folder).mkdir(QStringLiteral("第二课"));
    const struct {
        const char* name;
        int bytes;
    } files[] = {{"立方体.plm", 300}, {"截面.png", 5000}, {"背景.bmp", 70000}, {"数据.xyz", 10}};
    for (const auto& file : files) {
        QFile out(QDir(folder).filePath(QString::fromUtf8(file.name)));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray(file.bytes, 'x'));
    }
}

// Every text the dialog's list and its file types show.
QStringList ShownTexts(QFileDialog& dialog) {
    QStringList texts = dialog.nameFilters();
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (view == nullptr) {
        return texts;
    }
    const QAbstractItemModel& model = *view->model();
    const QModelIndex root = view->rootIndex();
    for (int column = 0; column < model.columnCount(root); ++column) {
        texts << model.headerData(column, Qt::Horizontal).toString();
        for (int row = 0; row < model.rowCount(root); ++row) {
            texts << model.index(row, column, root).data().toString();
        }
    }
    return texts;
}

struct DialogCase {
    const char* title;
    std::function<void(CMainFrame&)> open;
};

TEST(FileDialogsChinese, EveryFileDialogListsItsFilesInChinese) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    FillFolder(folder.path());
    CMainFrame frame;
    frame.resize(1200, 800);
    frame.show();
    const DialogCase cases[] = {
        {"另存为", [](CMainFrame& f) { f.Files().SaveAs({}); }},
        {"打开", [](CMainFrame& f) { f.Files().Open({}); }},
        {"打开RTF文件", [](CMainFrame& f) { f.Files().ImportNotes({}); }},
        {"保存RTF文件", [](CMainFrame& f) { f.Files().ExportNotes({}); }},
        {"打开图象", [](CMainFrame& f) { f.Actions().Run(cmd::kOpenImage); }},
        {"示例文件", [](CMainFrame& f) { f.Files().OpenExample({}); }},
    };
    const QRegularExpression english(
        QStringLiteral("\\b(Folder|unknown|KiB|bytes|image|Name|Size|Type|Date|Jan|Feb|Mar|"
                       "Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec|AM|PM)\\b"));
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.title);
        QStringList shown;
        QTimer::singleShot(100, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.title));
            dialog->setViewMode(QFileDialog::Detail);
            dialog->setDirectory(folder.path());
            auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
            QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= 1; });
            QTest::qWait(300);  // sizes and types arrive from the gatherer's thread
            shown = ShownTexts(*dialog);
            if (QString::fromUtf8(c.title) == QStringLiteral("另存为")) {
                dialog->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/save_as_dialog.png"));
            }
            dialog->reject();
        });
        c.open(frame);
        ASSERT_FALSE(shown.isEmpty());
        for (const QString& text : shown) {
            EXPECT_FALSE(text.contains(english)) << text.toStdString();
        }
        EXPECT_TRUE(shown.contains(QStringLiteral("修改日期")));
    }
}

}  // namespace
}  // namespace velnor
