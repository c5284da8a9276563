#include "shell/input_line.h"

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

const QString kPlaceholder = QStringLiteral(
    "如 point 1 2 3、line 0 1、中点、图元集 type=0 L=4，按回车执行，↑↓ 翻看输入过的行");

// What completes: the menu texts (without the "..." a script may leave out) and the language's
// own words.
QStringList CompletionWords() {
    QStringList words;
    for (const CommandEntry& entry : CommandTable()) {
        QString text = QString::fromStdString(entry.text);
        if (text.startsWith('(')) {
            continue;
        }
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
    m_edit->setClearButtonEnabled(true);
    auto* completer = new QCompleter(CompletionWords(), m_edit);
    completer->setFilterMode(Qt::MatchContains);
    completer->setMaxVisibleItems(12);
    m_edit->setCompleter(completer);
    m_edit->installEventFilter(this);
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
    const bool keyEvent =
        event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched != m_edit || !keyEvent || !IsHistoryKey(*static_cast<QKeyEvent*>(event))) {
        return QWidget::eventFilter(watched, event);
    }
    // Up and Down are the view's rotations everywhere else in the window; here they walk the
    // history.
    if (event->type() == QEvent::KeyPress) {
        const bool older = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Up;
        m_edit->setText(older ? m_history.Older(m_edit->text()) : m_history.Newer(m_edit->text()));
    }
    event->accept();
    return true;
}

void InputLine::RunEnteredLine() {
    const QString line = m_edit->text();
    if (line.trimmed().isEmpty()) {
        return;
    }
    m_history.Add(line);
    try {
        const QStringList reports =
            m_runner.RunLine(line.toStdString(), ++m_nLines, WindowScriptRunner::Echo::kCollect);
        m_edit->clear();
        ShowNote(reports.join(QStringLiteral("；")), false);
    } catch (const ScriptError& error) {
        ShowNote(QString::fromStdString(error.Problem()), true);
        m_edit->selectAll();
    } catch (const std::exception& error) {
        ShowNote(QString::fromStdString(error.what()), true);
        m_edit->selectAll();
    }
}

void InputLine::ShowNote(const QString& text, bool error) {
    m_bError = error;
    m_note->setText(text);
    m_note->setToolTip(text);
    m_note->setStyleSheet(error ? QStringLiteral("color: #c00000;") : QString());
}

}  // namespace velnor
