#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "commands/command_ids.h"
#include "model/document.h"
#include "shell/command_actions.h"
#include "shell/dialogs/record_animation_dialog.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"

namespace velnor {
namespace {

QString Example(const char* name) {
    return QStringLiteral(VELNOR_EXAMPLES_DIR "/") + QString::fromUtf8(name) +
           QStringLiteral(".plm");
}

class RecordAnimationTest : public testing::Test {
protected:
    RecordAnimationTest() {
        QStandardPaths::setTestModeEnabled(true);
        frame.resize(1000, 700);
        frame.show();
        QApplication::processEvents();
    }

    // Opens 录制动画 from its menu item; `answer` fills in and closes the dialog.
    void RunDialog(const std::function<void(RecordAnimationDialog&)>& answer) {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<RecordAnimationDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answered = true;
            answer(*dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        frame.Actions().Run(cmd::kRecordAnimation);
        QApplication::processEvents();
        EXPECT_TRUE(answered);
    }

    // A short WebP recording of the example's button into `path`.
    static void Fill(RecordAnimationDialog& dialog, const QString& path) {
        dialog.Ticks().setValue(12);
        dialog.FrameWidth().setValue(240);
        dialog.FrameHeight().setValue(180);
        dialog.File().setText(path);
        dialog.Format().setCurrentIndex(1);
    }

    QTemporaryDir dir;
    CMainFrame frame;
};

TEST_F(RecordAnimationTest, RecordsACopyOfThePageAndLeavesTheDocumentAsItWas) {
    ASSERT_TRUE(frame.Files().OpenPath(Example("正方体中的角")));
    const Float3 before = frame.Document().CurrentPage().m_pos[0];
    const QString path = dir.filePath(QStringLiteral("turn.gif"));
    RunDialog([&](RecordAnimationDialog& dialog) {
        dialog.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/dialog_record_animation.png"));
        ASSERT_EQ(dialog.Buttons().count(), 1);
        EXPECT_EQ(dialog.Buttons().currentText(), QStringLiteral("按下“旋转”(3024)"));
        Fill(dialog, path);
        // The format decides the extension.
        EXPECT_EQ(dialog.File().text(), dir.filePath(QStringLiteral("turn.webp")));
        EXPECT_EQ(dialog.Request().pressKey, uint16_t{3024});
        dialog.RecordButton().click();
        EXPECT_FALSE(dialog.isVisible());
    });
    QImageReader reader(dir.filePath(QStringLiteral("turn.webp")));
    EXPECT_GE(reader.imageCount(), 10);
    EXPECT_EQ(reader.size(), QSize(240, 180));
    const CGpage& page = frame.Document().CurrentPage();
    EXPECT_EQ(page.m_buttons.at(3024)->m_bRunning, 0);
    EXPECT_EQ(page.m_pos[0], before);
    EXPECT_FALSE(frame.Document().IsModified());
}

TEST_F(RecordAnimationTest, CancelStopsTheRecordingAndLeavesNoFile) {
    ASSERT_TRUE(frame.Files().OpenPath(Example("正方体中的角")));
    const QString path = dir.filePath(QStringLiteral("never.webp"));
    RunDialog([&](RecordAnimationDialog& dialog) {
        Fill(dialog, path);
        dialog.Ticks().setValue(40);
        // Heard while the first frames are drawn.
        QTimer::singleShot(0, &dialog.CancelButton(), &QPushButton::click);
        dialog.RecordButton().click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.RecordButton().isEnabled());
        EXPECT_EQ(dialog.Progress().value(), 0);
    });
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(RecordAnimationTest, OnlyButtonsTheTeacherSeesAreOffered) {
    ASSERT_TRUE(frame.Files().OpenPath(Example("异面直线")));
    frame.Actions().UpdateStates();
    EXPECT_FALSE(frame.Actions().Action(cmd::kRecordAnimation)->isEnabled());
    ASSERT_TRUE(frame.Files().OpenPath(Example("正方体的展开图")));
    frame.Actions().UpdateStates();
    EXPECT_TRUE(frame.Actions().Action(cmd::kRecordAnimation)->isEnabled());
    // The fold buttons of each hinge are hidden parts of the one series the teacher presses.
    RunDialog([](RecordAnimationDialog& dialog) {
        ASSERT_EQ(dialog.Buttons().count(), 1);
        EXPECT_EQ(dialog.Buttons().currentText(), QStringLiteral("按下“折叠/展开”(3031)"));
    });
}

}  // namespace
}  // namespace velnor
