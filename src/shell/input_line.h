#pragma once

#include <QWidget>

#include "shell/line_history.h"

class QLabel;
class QLineEdit;

namespace velnor {

class WindowScriptRunner;

// 输入栏, under the view: the teacher types a step of the script language ("point 1 2 3", "中点",
// "图元集 type=0 L=4") and Enter runs it as one step. What the step reports, or why it could not
// run, shows beside the line; a line that could not run stays to be corrected. Up and Down walk
// the lines entered before; command names and the language's words complete.
class InputLine : public QWidget {
    Q_OBJECT

public:
    InputLine(WindowScriptRunner& runner, QWidget* parent);

    QLineEdit& Edit() { return *m_edit; }
    // The text beside the line.
    QString Note() const;
    bool NoteIsError() const { return m_bError; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RunEnteredLine();
    bool TakeChosenCompletion();
    void ShowNote(const QString& text, bool error);

    WindowScriptRunner& m_runner;
    QLineEdit* m_edit;
    QLabel* m_note;
    LineHistory m_history;
    int m_nLines = 0;
    bool m_bError = false;
};

}  // namespace velnor
