#include "shell/text_format_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include "shell/rich_text_edit.h"

namespace velnor {

namespace {

struct AlignmentButton {
    const char* text;
    const char* tip;
    Qt::Alignment alignment;
};

constexpr AlignmentButton kAlignments[] = {
    {"左", "左对齐", Qt::AlignLeft},
    {"中", "居中", Qt::AlignHCenter},
    {"右", "右对齐", Qt::AlignRight},
    {"齐", "两端对齐", Qt::AlignJustify},
};

// An "A" over a bar of the colour.
QIcon ColorIcon(const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.drawText(QRect(0, 0, 16, 12), Qt::AlignCenter, QStringLiteral("A"));
    painter.fillRect(0, 12, 16, 4, color);
    return QIcon(pixmap);
}

}  // namespace

TextFormatBar::TextFormatBar(RichTextEdit& edit, QWidget* parent)
    : QWidget(parent),
      m_edit(edit),
      m_font(new QFontComboBox(this)),
      m_size(new QComboBox(this)),
      m_alignments(new QActionGroup(this)),
      m_buttons(new QToolBar(this)) {
    m_font->setToolTip(QStringLiteral("字体"));
    m_size->setToolTip(QStringLiteral("字号"));
    m_size->setEditable(true);
    for (const int size : QFontDatabase::standardSizes()) {
        m_size->addItem(QString::number(size));
    }
    auto* fonts = new QHBoxLayout;
    fonts->addWidget(m_font, 1);
    fonts->addWidget(m_size);
    m_bold =
        AddToggle(QStringLiteral("B"), QStringLiteral("粗体 (Ctrl+B)"), &RichTextEdit::ToggleBold);
    m_italic = AddToggle(QStringLiteral("I"), QStringLiteral("斜体 (Ctrl+I)"),
                         &RichTextEdit::ToggleItalic);
    m_underline = AddToggle(QStringLiteral("U"), QStringLiteral("下划线 (Ctrl+U)"),
                            &RichTextEdit::ToggleUnderline);
    QFont boldFont = m_bold->font();
    boldFont.setBold(true);
    m_bold->setFont(boldFont);
    m_color = m_buttons->addAction(QStringLiteral("文字颜色"), this, &TextFormatBar::ChooseColor);
    m_buttons->addSeparator();
    for (const AlignmentButton& button : kAlignments) {
        QAction* action = m_buttons->addAction(QString::fromUtf8(button.text));
        action->setToolTip(QString::fromUtf8(button.tip));
        action->setCheckable(true);
        action->setData(static_cast<int>(button.alignment));
        m_alignments->addAction(action);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 0);
    layout->setSpacing(0);
    layout->addLayout(fonts);
    layout->addWidget(m_buttons);

    connect(m_font, &QFontComboBox::textActivated, this, &TextFormatBar::SetFamily);
    connect(m_size, &QComboBox::textActivated, this, &TextFormatBar::SetSize);
    m_size->installEventFilter(this);
    connect(m_alignments, &QActionGroup::triggered, this, [this](QAction* action) {
        m_edit.setAlignment(static_cast<Qt::Alignment>(action->data().toInt()));
        m_edit.setFocus();
    });
    connect(&m_edit, &QTextEdit::currentCharFormatChanged, this, &TextFormatBar::ShowFormat);
    connect(&m_edit, &QTextEdit::cursorPositionChanged, this, &TextFormatBar::ShowAlignment);
    connect(m_edit.document(), &QTextDocument::contentsChanged, this,
            &TextFormatBar::ShowAlignment);
    ShowFormat(m_edit.currentCharFormat());
    ShowAlignment();
}

QAction* TextFormatBar::AddToggle(const QString& text, const QString& tip,
                                  void (RichTextEdit::*toggle)()) {
    QAction* action = m_buttons->addAction(text);
    action->setToolTip(tip);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, toggle] {
        (m_edit.*toggle)();
        m_edit.setFocus();
    });
    return action;
}

// Enter in the size box applies the size and goes no further: in a dialog it would otherwise
// reach the default button and close the editor with the text half formatted.
bool TextFormatBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_size && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SetSize(m_size->currentText());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TextFormatBar::ShowFormat(const QTextCharFormat& format) {
    const QFont font = format.font().resolve(m_edit.document()->defaultFont());
    m_font->setCurrentFont(font);
    m_size->setEditText(QString::number(font.pointSizeF()));
    m_bold->setChecked(font.bold());
    m_italic->setChecked(font.italic());
    m_underline->setChecked(font.underline());
    ShowColor(format.foreground().style() != Qt::NoBrush ? format.foreground().color()
                                                         : m_edit.palette().text().color());
}

void TextFormatBar::ShowAlignment() {
    const Qt::Alignment current = m_edit.alignment() & Qt::AlignHorizontal_Mask;
    for (QAction* action : m_alignments->actions()) {
        const auto alignment = static_cast<Qt::Alignment>(action->data().toInt());
        action->setChecked((current & alignment) != 0 ||
                           (alignment == Qt::AlignLeft && current == Qt::AlignLeading));
    }
}

void TextFormatBar::SetFamily(const QString& family) {
    QTextCharFormat format;
    format.setFontFamilies(QStringList{family});
    m_edit.mergeCurrentCharFormat(format);
    m_edit.setFocus();
}

void TextFormatBar::SetSize(const QString& size) {
    bool ok = false;
    const double points = size.toDouble(&ok);
    if (ok && points >= 1.0 && points <= 1638.0) {
        QTextCharFormat format;
        format.setFontPointSize(points);
        m_edit.mergeCurrentCharFormat(format);
    }
    m_edit.setFocus();
}

void TextFormatBar::ChooseColor() {
    const QColor color =
        QColorDialog::getColor(m_edit.textColor(), this, QStringLiteral("文字颜色"));
    if (color.isValid()) {
        QTextCharFormat format;
        format.setForeground(color);
        m_edit.mergeCurrentCharFormat(format);
        ShowColor(color);
    }
    m_edit.setFocus();
}

void TextFormatBar::ShowColor(const QColor& color) {
    m_color->setIcon(ColorIcon(color));
}

}  // namespace velnor
