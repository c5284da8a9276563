#pragma once

#include <QWidget>

class QAction;
class QActionGroup;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class QToolBar;

namespace velnor {

class RichTextEdit;

// The format bar above a rich-text editor: font, size, bold, italic, underline, text colour and
// alignment. It shows the format at the cursor and changes the selection (or what is typed next).
class TextFormatBar : public QWidget {
    Q_OBJECT

public:
    TextFormatBar(RichTextEdit& edit, QWidget* parent = nullptr);

    QComboBox& SizeBox() { return *m_size; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowFormat(const QTextCharFormat& format);
    void ShowAlignment();
    void SetFamily(const QString& family);
    void SetSize(const QString& size);
    void ChooseColor();
    void ShowColor(const QColor& color);
    QAction* AddToggle(const QString& text, const QString& tip, void (RichTextEdit::*toggle)());

    RichTextEdit& m_edit;
    QFontComboBox* m_font;
    QComboBox* m_size;
    QAction* m_bold = nullptr;
    QAction* m_italic = nullptr;
    QAction* m_underline = nullptr;
    QAction* m_color = nullptr;
    QActionGroup* m_alignments;
    QToolBar* m_buttons;
};

}  // namespace velnor
