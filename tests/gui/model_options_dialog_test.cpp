#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "model/document.h"
#include "output/model_files.h"
#include "shell/dialogs/model_options_dialog.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

// Answers the next modal dialog once it shows: `answer` fills it in and says whether to accept it.
void AnswerNextDialog(const std::function<bool(QDialog&)>& answer,
                      const QWidget* previous = nullptr) {
    QTimer::singleShot(50, [answer, previous] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == previous) {
            AnswerNextDialog(answer, previous);
        } else if (answer(*dialog)) {
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

bool SetOptions(QDialog& dialog, double tubes, double balls, int unit, double scale) {
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("tubes"))->setValue(tubes);
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("balls"))->setValue(balls);
    dialog.findChild<QComboBox*>(QStringLiteral("unit"))->setCurrentIndex(unit);
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("scale"))->setValue(scale);
    return true;
}

TEST(ModelOptionsDialog, StartsFromTheCurrentOptionsAndGivesTheChosenOnes) {
    const ModelOptions current{0.1, 0.0, ModelUnit::kCentimetre, 2.0};
    AnswerNextDialog([](QDialog& dialog) {
        dialog.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/dialog_model_options.png"));
        EXPECT_EQ(dialog.findChild<QDoubleSpinBox*>(QStringLiteral("tubes"))->value(), 0.1);
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("unit"))->currentText(),
                  QStringLiteral("厘米"));
        EXPECT_EQ(dialog.findChild<QDoubleSpinBox*>(QStringLiteral("balls"))->text(),
                  QStringLiteral("不要"));
        return SetOptions(dialog, 0.05, 0.2, 3, 1.5);
    });
    const std::optional<ModelOptions> chosen = AskModelOptions(current, nullptr);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->tubeRadius, 0.05);
    EXPECT_EQ(chosen->ballRadius, 0.2);
    EXPECT_EQ(chosen->unit, ModelUnit::kInch);
    EXPECT_EQ(chosen->scale, 1.5);
    AnswerNextDialog([](QDialog&) { return false; });
    EXPECT_FALSE(AskModelOptions(current, nullptr).has_value());
}

uint32_t TrianglesOfStl(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray head = file.read(84);
    return head.size() == 84 ? *reinterpret_cast<const uint32_t*>(head.constData() + 80) : 0;
}

// 另存为 a model: the file dialog, then the options, which the file then has.
TEST(ModelOptionsDialog, SaveAsAModelAsksForTheOptionsAndCancelWritesNothing) {
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir dir;
    CMainFrame frame;
    // Takes the note that the section face leaves the faces open.
    const test::RecordingMessages messages;
    frame.resize(1000, 700);
    frame.show();
    ASSERT_TRUE(frame.Files().OpenPath(QStringLiteral(VELNOR_EXAMPLES_DIR "/正方体中的角.plm")));
    const QString facesOnly = dir.filePath(QStringLiteral("faces.stl"));
    ASSERT_TRUE(
        WriteModelFile(facesOnly, frame.Document().CurrentPage(), frame.Document().Settings(), {})
            .error.isEmpty());
    for (const bool accept : {false, true}) {
        SCOPED_TRACE(accept);
        const QString path =
            dir.filePath(accept ? QStringLiteral("tubes.stl") : QStringLiteral("never.stl"));
        AnswerNextDialog([&](QDialog& dialog) {
            auto& files = static_cast<QFileDialog&>(dialog);
            // The dialog lists its folder from another thread and selects the proposed name
            // again when that ends; the name typed is what it takes.
            QTest::qWait(300);
            files.selectNameFilter(QStringLiteral("STL模型(*.stl)"));
            files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            AnswerNextDialog(
                [&](QDialog& options) { return accept && SetOptions(options, 0.1, 0.2, 0, 1.0); },
                &dialog);
            return true;
        });
        EXPECT_EQ(frame.Files().SaveAs({}), accept);
        EXPECT_EQ(QFileInfo::exists(path), accept);
    }
    EXPECT_GT(TrianglesOfStl(dir.filePath(QStringLiteral("tubes.stl"))),
              TrianglesOfStl(facesOnly) + 100);
}

}  // namespace
}  // namespace velnor
