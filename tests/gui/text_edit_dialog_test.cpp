#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <functional>

#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "editing/rich_text_cells.h"
#include "gui/text_typing.h"
#include "model/bit_text.h"
#include "model/document.h"
#include "richtext/rtf_reader.h"
#include "shell/command_actions.h"
#include "shell/dialogs/text_edit_dialog.h"
#include "shell/main_frame.h"
#include "shell/rich_text_edit.h"
#include "shell/text_format_bar.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

bool BitAt(const EditedText& text, int x, int yFromTop) {
    const int row = text.height - 1 - yFromTop;
    const uint8_t byte =
        text.bits[static_cast<size_t>(row) * CBitText::BytesPerRow(text.width) + x / 8];
    return (byte & (0x80 >> (x % 8))) != 0;
}

int InkIn(const EditedText& text, int left, int top, int right, int bottom) {
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            ink += BitAt(text, x, y);
        }
    }
    return ink;
}

TEST(TextEditDialog, HandsOverTheTextAsPaddedBitmapRtfNameAndValues) {
    TextEditDialog dialog;
    dialog.show();
    test::TypeText(dialog.Editor(), QStringLiteral("勾股定理"));
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const EditedText& text = dialog.Result();
    ASSERT_GT(text.width, 40);
    ASSERT_GT(text.height, 10);
    EXPECT_EQ(text.bits.size(),
              static_cast<size_t>((text.width + 31) / 32 * 4) * static_cast<size_t>(text.height));
    // Ink where the four characters are, none in the margin or in the padding of the rows.
    EXPECT_GT(InkIn(text, 0, 0, text.width / 2, text.height), 30);
    EXPECT_GT(InkIn(text, text.width / 2, 0, text.width, text.height), 30);
    EXPECT_EQ(InkIn(text, 0, 0, text.width, 1), 0);
    EXPECT_EQ(InkIn(text, 0, 0, 1, text.height), 0);
    for (int y = 0; y < text.height; ++y) {
        for (int x = text.width; x < (text.width + 31) / 32 * 32; ++x) {
            ASSERT_FALSE(BitAt(text, x, y));
        }
    }
    EXPECT_EQ(text.plainText, "勾股定理");
    EXPECT_EQ(text.paragraphs, 1);
    EXPECT_EQ(text.characters, 4);
    QTextDocument read;
    ReadRtf(text.rtf, read);
    EXPECT_EQ(read.toPlainText(), QStringLiteral("勾股定理"));
    EXPECT_EQ(RichTextName(text.plainText), "文本：勾股...");
}

TEST(TextEditDialog, EmptyTextIsRefusedAndTheEditorStaysOpen) {
    test::RecordingMessages messages;
    TextEditDialog dialog;
    dialog.show();
    test::TypeText(dialog.Editor(), QStringLiteral("  "));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.texts, std::vector<std::string>{kNoTextMessage});
}

TEST(TextEditDialog, ScreenshotWithFormattedText) {
    TextEditDialog dialog;
    dialog.show();
    RichTextEdit& edit = dialog.Editor();
    test::TypeText(edit, QStringLiteral("勾股定理 "));
    edit.selectAll();
    edit.ToggleBold();
    edit.setTextColor(Qt::red);
    edit.moveCursor(QTextCursor::End);
    edit.setTextColor(Qt::black);
    edit.ToggleBold();
    test::TypeText(edit, QStringLiteral("a2+b2=c2"));
    edit.setAlignment(Qt::AlignHCenter);
    QTest::qWait(100);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("勾股定理 a2+b2=c2"));
    EXPECT_TRUE(dialog.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/text_edit_dialog.png")));
}

TEST(TextEditDialog, EnterInTheSizeBoxAppliesTheSizeAndKeepsTheEditorOpen) {
    TextEditDialog dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    test::TypeText(dialog.Editor(), QStringLiteral("棱长"));
    dialog.Editor().selectAll();
    auto* bar = dialog.findChild<TextFormatBar*>();
    ASSERT_NE(bar, nullptr);
    QComboBox& size = bar->SizeBox();
    size.setFocus();
    size.lineEdit()->selectAll();
    QTest::keyClicks(&size, QStringLiteral("28"));
    QTest::keyClick(&size, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.Editor().currentCharFormat().fontPointSize(), 28.0);
    EXPECT_EQ(dialog.focusWidget(), &dialog.Editor());
}

class AddTextTest : public testing::Test {
protected:
    AddTextTest() {
        QStandardPaths::setTestModeEnabled(true);
        frame.resize(1200, 800);
        frame.show();
        QApplication::processEvents();
    }

    // The next modal editor gets this text typed over what it holds, then OK.
    void TypeInNextEditor(const QString& text, QString* shown = nullptr) {
        QTimer::singleShot(0, [text, shown] {
            auto* dialog = qobject_cast<TextEditDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("文本编辑"));
            if (shown != nullptr) {
                *shown = dialog->Editor().toPlainText();
            }
            dialog->Editor().selectAll();
            test::TypeText(dialog->Editor(), text);
            dialog->accept();
        });
    }

    const CBitRtfText* Text(uint16_t key) {
        const auto& solids = frame.Document().CurrentPage().m_solids;
        const auto found = solids.find(key);
        return found == solids.end() ? nullptr
                                     : dynamic_cast<const CBitRtfText*>(found->second.get());
    }

    CMainFrame frame;
};

TEST_F(AddTextTest, MenuOpensTheEditorAndAddsOneUndoableText) {
    TypeInNextEditor(QStringLiteral("勾股"));
    frame.Actions().Action(cmd::kAddText)->trigger();
    ASSERT_NE(Text(1), nullptr);
    EXPECT_EQ(Text(1)->m_strName, "文本：勾股");
    frame.Actions().Run(cmd::kUndo);
    EXPECT_EQ(Text(1), nullptr);
    frame.Actions().Run(cmd::kRedo);
    EXPECT_NE(Text(1), nullptr);
}

TEST_F(AddTextTest, PropertiesOfARichTextEditItsStoredTextAsOneStep) {
    CommandParams params;
    params.Set("text", "勾股");
    frame.Actions().Run(*FindCommand(cmd::kAddText), params);
    ASSERT_NE(Text(1), nullptr);
    frame.Document().CurrentPage().m_selSolids = {1};
    QString shown;
    TypeInNextEditor(QStringLiteral("余弦定理"), &shown);
    frame.Actions().Run(cmd::kProperties);
    EXPECT_EQ(shown, QStringLiteral("勾股"));
    EXPECT_EQ(Text(1)->m_strName, "文本：余弦...");
    frame.Actions().Run(cmd::kUndo);
    EXPECT_EQ(Text(1)->m_strName, "文本：勾股");
}

}  // namespace
}  // namespace velnor
