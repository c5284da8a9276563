#pragma once

#include "shell/dialogs/search_dialog.h"

namespace velnor {

// "替换": replaces text in the notes, one match at a time or all at once (全部替换, one step of
// the notes' undo).
class ReplaceDialog : public SearchDialog {
    Q_OBJECT

public:
    ReplaceDialog(QTextEdit& edit, QWidget* parent = nullptr);

    QLineEdit& ReplaceText() { return *m_replacement; }
    void ReplaceOne();
    void ReplaceEverything();

private:
    bool ConfirmDeletingEveryMatch();

    QLineEdit* m_replacement;
};

}  // namespace velnor
