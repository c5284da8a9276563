#include "shell/input_line.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <exception>

#include "commands/command_table.h"
#include "commands/script_interpreter.h"
#include "shell/window_script_runner.h"

namespace velnor {

namespace {

const QString kPlaceholder =
    QStringLiteral("输入命令，如 point 1 2 3、中点、图元集 type=0 L=4，回车执行");

// What completes: the menu texts (without the "..." a script may leave out) and the language's
// own words.
QStringList CompletionWords() {
    QStringList words;
    for (const CommandEntry& entry : CommandTable()) {
        if (IsPlaceholder(entry)) {
            continue;
        }
        QString text = QString::fromStdString(entry.text);
        if (text.endsWith(QStringLiteral("..."))) {
            text.chop(3);
        }
        words << text;
    }
    for (const std::string& word : ScriptWords()) {
        words << QString::fromStdString(word);
    }
    words.removeDuplicates();
    return words;
}

bool IsEnterKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

bool IsHistoryKey(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) &&
           key.modifiers() == Qt::NoModifier;
}

}  // namespace

InputLine::InputLine(WindowScriptRunner& runner, QWidget* parent)
    : QWidget(parent), m_runner(runner), m_edit(new QLineEdit(this)), m_note(new QLabel(this)) {
    setObjectName(QStringLiteral("InputLine"));
    auto* caption = new QLabel(QStringLiteral("输入栏"), this);
    m_edit->setObjectName(QStringLiteral("InputLineEdit"));
    m_edit->setPlaceholderText(kPlaceholder);
    // The clear button shows only over text, and its icon's first lookup in the icon theme is
    // slow: it is set up with the first text, not at the program's start.
    connect(
        m_edit, &QLineEdit::textChanged, this, [this] { m_edit->setClearButtonEnabled(true); },
        Qt::SingleShotConnection);
    auto* completer = new QCompleter(CompletionWords(), m_edit);
    completer->setFilterMode(Qt::MatchContains);
    completer->setMaxVisibleItems(12);
    m_edit->setCompleter(completer);
    m_edit->installEventFilter(this);
    completer->popup()->installEventFilter(this);
    m_note->setObjectName(QStringLiteral("InputLineNote"));
    // A long report must not widen the window; its whole text is the tooltip.
    m_note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(caption);
    layout->addWidget(m_edit, 3);
    layout->addWidget(m_note, 2);
    connect(m_edit, &QLineEdit::returnPressed, this, &InputLine::RunEnteredLine);
}

QString InputLine::Note() const {
    return m_note->text();
}

bool InputLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return QWidget::eventFilter(watched, event);
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (watched == m_edit && IsHistoryKey(key)) {
        // Up and Down are the view's rotations everywhere else in the window; here they walk
        // the history.
        if (event->type() == QEvent::KeyPress) {
            m_edit->setText(key.key() == Qt::Key_Up ? m_history.Older(m_edit->text())
                                                    : m_history.Newer(m_edit->text()));
        }
        event->accept();
        return true;
    }
    if (watched == m_edit->completer()->popup() && IsEnterKey(key) &&
        event->type() == QEvent::KeyPress) {
        return TakeChosenCompletion();
    }
    return QWidget::eventFilter(watched, event);
}

bool InputLine::TakeChosenCompletion() {
    // Enter on a chosen name puts it in the line for its values to follow; only Enter without
    // a choice runs what was typed.
    QAbstractItemView* popup = m_edit->completer()->popup();
    const QModelIndex chosen = popup->currentIndex();
    if (!chosen.isValid()) {
        return false;
    }
    popup->hide();
    m_edit->setText(chosen.data().toString());
    return true;
}

void InputLine::RunEnteredLine() {
    const QString line = m_edit->text();
    if (line.trimmed().isEmpty()) {
        return;
    }
    m_history.Add(line);
    QString problem;
    try {
        m_runner.RunLine(line.toStdString(), ++m_nLines, WindowScriptRunner::Echo::kCollect);
    } catch (const ScriptError& error) {
        problem = QString::fromStdString(error.Problem());
    } catch (const std::exception& error) {
        problem = QString::fromStdString(error.what());
    }
    // A refusal's reason comes after the line's own problem (a file the line could not open).
    QStringList note = m_runner.Reports();
    if (!problem.isEmpty()) {
        note.prepend(problem);
        m_edit->selectAll();
    } else {
        m_edit->clear();
    }
    ShowNote(note.join(QStringLiteral("；")), !problem.isEmpty());
}

void InputLine::ShowNote(const QString& text, bool error) {
    m_bError = error;
    m_note->setText(text);
    m_note->setToolTip(text);
    m_note->setStyleSheet(error ? QStringLiteral("color: #c00000;") : QString());
}

}  // namespace velnor
