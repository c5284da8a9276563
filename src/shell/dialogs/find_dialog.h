#pragma once

#include "shell/dialogs/search_dialog.h"

class QRadioButton;

namespace velnor {

// "查找": finds text in the notes, down or up from the cursor (方向).
class FindDialog : public SearchDialog {
    Q_OBJECT

public:
    FindDialog(QTextEdit& edit, QWidget* parent = nullptr);

    QRadioButton& Up() { return *m_up; }
    QRadioButton& Down() { return *m_down; }

protected:
    SearchRequest Request() const override;

private:
    QRadioButton* m_up;
    QRadioButton* m_down;
};

}  // namespace velnor
