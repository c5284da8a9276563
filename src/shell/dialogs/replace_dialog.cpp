#include "shell/dialogs/replace_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace velnor {

ReplaceDialog::ReplaceDialog(QTextEdit& edit, QWidget* parent)
    : SearchDialog(edit, QStringLiteral("替换"), parent), m_replacement(new QLineEdit(this)) {
    auto* label = new QLabel(QStringLiteral("替换为(&P):"), this);
    label->setBuddy(m_replacement);
    Fields().addWidget(label, 1, 0);
    Fields().addWidget(m_replacement, 1, 1);
    // Created after the options, the field would otherwise come after them in the tab chain and a
    // replacement typed after one Tab would land in no field.
    setTabOrder(&FindText(), m_replacement);
    QPushButton* findNext = AddButton(QStringLiteral("查找下一个(&F)"));
    findNext->setDefault(true);
    connect(findNext, &QPushButton::clicked, this, &ReplaceDialog::FindNextMatch);
    connect(AddButton(QStringLiteral("替换(&R)")), &QPushButton::clicked, this,
            &ReplaceDialog::ReplaceOne);
    QPushButton* replaceAll = AddButton(QStringLiteral("全部替换(&A)"));
    replaceAll->setObjectName(QStringLiteral("replaceAll"));
    connect(replaceAll, &QPushButton::clicked, this, &ReplaceDialog::ReplaceEverything);
    FinishButtons();
}

void ReplaceDialog::ReplaceOne() {
    if (!ReplaceAndFindNext(Edit(), Request(), m_replacement->text())) {
        TellNotFound();
    }
}

void ReplaceDialog::ReplaceEverything() {
    if (m_replacement->text().isEmpty() && !ConfirmDeletingEveryMatch()) {
        return;
    }
    if (ReplaceAll(Edit(), Request(), m_replacement->text()) == 0) {
        TellNotFound();
    }
}

// An empty 替换为 turns 全部替换 into deleting every match, which is rarely what was meant.
bool ReplaceDialog::ConfirmDeletingEveryMatch() {
    const auto answer = QMessageBox::question(
        this, windowTitle(),
        QStringLiteral("替换为是空的：全部替换将删除所有匹配的文本。是否继续?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

}  // namespace velnor
