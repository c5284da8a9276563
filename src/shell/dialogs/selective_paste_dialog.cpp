#include "shell/dialogs/selective_paste_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace velnor {

PasteSpecialDialog::PasteSpecialDialog(std::vector<PasteChoice> choices, QWidget* parent)
    : QDialog(parent), m_choices(std::move(choices)), m_list(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("选择性粘贴"));
    for (const PasteChoice choice : m_choices) {
        m_list->addItem(PasteChoiceText(choice));
    }
    m_list->setCurrentRow(0);
    auto* label = new QLabel(QStringLiteral("来源：剪贴板\n粘贴为(&A):"), this);
    label->setBuddy(m_list);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

PasteChoice PasteSpecialDialog::Choice() const {
    const int row = m_list->currentRow();
    return row >= 0 && row < static_cast<int>(m_choices.size()) ? m_choices[row]
                                                                : m_choices.front();
}

}  // namespace velnor
