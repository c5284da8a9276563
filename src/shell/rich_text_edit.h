#pragma once

#include <QTextEdit>

namespace velnor {

// A rich-text editor with the usual keys: Ctrl+B, Ctrl+I and Ctrl+U format, and the undo keys
// (Ctrl+Z, Alt+Backspace; Ctrl+R, Ctrl+Y) act on its own history. While it has the focus these
// keys are its own, never the main window's figure commands that share them.
class RichTextEdit : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextEdit(QWidget* parent = nullptr);

    void ToggleBold();
    void ToggleItalic();
    void ToggleUnderline();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The operation of a key of ours, or null.
    using Operation = void (RichTextEdit::*)();
    Operation OperationFor(const QKeyEvent& event) const;
};

}  // namespace velnor
