#pragma once

#include <QDialog>

#include <vector>

#include "shell/selective_paste.h"

class QListWidget;

namespace velnor {

// "选择性粘贴": lists the ways the clipboard can come in; the first is chosen to begin with.
class PasteSpecialDialog : public QDialog {
    Q_OBJECT

public:
    PasteSpecialDialog(std::vector<PasteChoice> choices, QWidget* parent = nullptr);

    PasteChoice Choice() const;

private:
    std::vector<PasteChoice> m_choices;
    QListWidget* m_list;
};

}  // namespace velnor
