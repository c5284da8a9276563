#include <gtest/gtest.h>

#include <QImage>
#include <QMimeData>
#include <QTextEdit>

#include "shell/dialogs/selective_paste_dialog.h"
#include "shell/selective_paste.h"

namespace velnor {
namespace {

TEST(PasteSpecial, OffersWhatTheClipboardHoldsForTheActivePane) {
    QMimeData rich;
    rich.setData(QStringLiteral("text/rtf"), "{\\rtf1 {\\b bold} plain}");
    rich.setText(QStringLiteral("bold plain"));
    QMimeData picture;
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    picture.setImageData(image);
    using C = PasteChoice;
    const struct {
        const QMimeData* data;
        bool viewActive;
        bool figureData;
        std::vector<PasteChoice> choices;
    } cases[] = {
        {&rich, false, true, {C::kFormattedText, C::kPlainText}},
        {&picture, false, false, {C::kPicture}},
        {&rich, true, true, {C::kFigure}},
        {&rich, true, false, {}},
        {nullptr, false, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.viewActive << c.figureData << (c.data == &rich));
        EXPECT_EQ(PasteChoices(c.data, c.viewActive, c.figureData), c.choices);
    }

    QTextEdit notes;
    PasteIntoNotes(notes, rich, C::kFormattedText);
    notes.moveCursor(QTextCursor::Start);
    notes.moveCursor(QTextCursor::Right);
    EXPECT_EQ(notes.currentCharFormat().fontWeight(), QFont::Bold);
    notes.moveCursor(QTextCursor::End);
    PasteIntoNotes(notes, picture, C::kPicture);
    PasteIntoNotes(notes, rich, C::kPlainText);
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("bold plain\uFFFCbold plain"));

    PasteSpecialDialog dialog({C::kFormattedText, C::kPlainText, C::kPicture});
    dialog.show();
    dialog.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/selective_paste_dialog.png"));
    EXPECT_EQ(dialog.Choice(), C::kFormattedText);
}

}  // namespace
}  // namespace velnor
