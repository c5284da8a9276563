#include "shell/rich_text_edit.h"

#include <QKeyEvent>
#include <QKeySequence>

#include <array>

namespace velnor {

namespace {

struct EditKey {
    QKeyCombination key;
    void (RichTextEdit::*operation)();
};

const std::array<EditKey, 7>& EditKeys() {
    static const std::array<EditKey, 7> keys = {{
        {Qt::CTRL | Qt::Key_B, &RichTextEdit::ToggleBold},
        {Qt::CTRL | Qt::Key_I, &RichTextEdit::ToggleItalic},
        {Qt::CTRL | Qt::Key_U, &RichTextEdit::ToggleUnderline},
        {Qt::CTRL | Qt::Key_Z, &QTextEdit::undo},
        {Qt::ALT | Qt::Key_Backspace, &QTextEdit::undo},
        {Qt::CTRL | Qt::Key_R, &QTextEdit::redo},
        {Qt::CTRL | Qt::Key_Y, &QTextEdit::redo},
    }};
    return keys;
}

}  // namespace

RichTextEdit::RichTextEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(true);
}

void RichTextEdit::ToggleBold() {
    QTextCharFormat format;
    format.setFontWeight(fontWeight() >= QFont::DemiBold ? QFont::Normal : QFont::Bold);
    mergeCurrentCharFormat(format);
}

void RichTextEdit::ToggleItalic() {
    QTextCharFormat format;
    format.setFontItalic(!fontItalic());
    mergeCurrentCharFormat(format);
}

void RichTextEdit::ToggleUnderline() {
    QTextCharFormat format;
    format.setFontUnderline(!fontUnderline());
    mergeCurrentCharFormat(format);
}

RichTextEdit::Operation RichTextEdit::OperationFor(const QKeyEvent& event) const {
    const QKeyCombination pressed = event.keyCombination();
    for (const EditKey& key : EditKeys()) {
        if (key.key == pressed) {
            return key.operation;
        }
    }
    return nullptr;
}

// Accepting the override makes the key come here instead of reaching the window's shortcuts.
bool RichTextEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        OperationFor(*static_cast<QKeyEvent*>(event)) != nullptr) {
        event->accept();
        return true;
    }
    return QTextEdit::event(event);
}

void RichTextEdit::keyPressEvent(QKeyEvent* event) {
    if (const Operation operation = OperationFor(*event)) {
        (this->*operation)();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

}  // namespace velnor
