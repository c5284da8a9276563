#include "shell/dialogs/replace_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velnor {

ReplaceDialog::ReplaceDialog(QTextEdit& edit, QWidget* parent)
    : SearchDialog(edit, QStringLiteral("替换"), parent), m_replacement(new QLineEdit(this)) {
    auto* label = new QLabel(QStringLiteral("替换为(&P):"), this);
    label->setBuddy(m_replacement);
    Fields().addWidget(label, 1, 0);
    Fields().addWidget(m_replacement, 1, 1);
    QPushButton* findNext = AddButton(QStringLiteral("查找下一个(&F)"));
    findNext->setDefault(true);
    connect(findNext, &QPushButton::clicked, this, &ReplaceDialog::FindNextMatch);
    connect(AddButton(QStringLiteral("替换(&R)")), &QPushButton::clicked, this,
            &ReplaceDialog::ReplaceOne);
    connect(AddButton(QStringLiteral("全部替换(&A)")), &QPushButton::clicked, this,
            &ReplaceDialog::ReplaceEverything);
    FinishButtons();
}

void ReplaceDialog::ReplaceOne() {
    if (!ReplaceAndFindNext(Edit(), Request(), m_replacement->text())) {
        TellNotFound();
    }
}

void ReplaceDialog::ReplaceEverything() {
    if (ReplaceAll(Edit(), Request(), m_replacement->text()) == 0) {
        TellNotFound();
    }
}

}  // namespace velnor
