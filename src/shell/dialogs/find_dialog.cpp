#include "shell/dialogs/find_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velnor {

FindDialog::FindDialog(QTextEdit& edit, QWidget* parent)
    : SearchDialog(edit, QStringLiteral("查找"), parent) {
    auto* direction = new QGroupBox(QStringLiteral("方向"), this);
    m_up = new QRadioButton(QStringLiteral("向上(&U)"), direction);
    m_down = new QRadioButton(QStringLiteral("向下(&D)"), direction);
    m_down->setChecked(true);
    auto* directions = new QHBoxLayout(direction);
    directions->addWidget(m_up);
    directions->addWidget(m_down);
    Options().addWidget(direction);
    QPushButton* findNext = AddButton(QStringLiteral("查找下一个(&F)"));
    findNext->setDefault(true);
    connect(findNext, &QPushButton::clicked, this, &FindDialog::FindNextMatch);
    FinishButtons();
}

SearchRequest FindDialog::Request() const {
    SearchRequest request = SearchDialog::Request();
    request.backward = m_up->isChecked();
    return request;
}

}  // namespace velnor
