#include "shell/dialogs/search_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "model/message_seam.h"

namespace velnor {

SearchDialog::SearchDialog(QTextEdit& edit, const QString& title, QWidget* parent)
    : QDialog(parent),
      m_edit(edit),
      m_text(new QLineEdit(this)),
      m_wholeWord(new QCheckBox(QStringLiteral("全字匹配(&W)"), this)),
      m_matchCase(new QCheckBox(QStringLiteral("区分大小写(&C)"), this)),
      m_fields(new QGridLayout),
      m_options(new QVBoxLayout),
      m_buttons(new QVBoxLayout) {
    setWindowTitle(title);
    auto* label = new QLabel(QStringLiteral("查找内容(&N):"), this);
    label->setBuddy(m_text);
    m_text->setMinimumWidth(220);
    m_fields->addWidget(label, 0, 0);
    m_fields->addWidget(m_text, 0, 1);
    m_options->addWidget(m_wholeWord);
    m_options->addWidget(m_matchCase);
    auto* left = new QVBoxLayout;
    left->addLayout(m_fields);
    left->addLayout(m_options);
    left->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(m_buttons);
}

QPushButton* SearchDialog::AddButton(const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    m_buttons->addWidget(button);
    return button;
}

void SearchDialog::FinishButtons() {
    connect(AddButton(QStringLiteral("取消")), &QPushButton::clicked, this, &QDialog::reject);
    m_buttons->addStretch(1);
}

SearchRequest SearchDialog::Request() const {
    SearchRequest request;
    request.text = m_text->text();
    request.wholeWord = m_wholeWord->isChecked();
    request.matchCase = m_matchCase->isChecked();
    return request;
}

void SearchDialog::FindNextMatch() {
    if (!FindNext(m_edit, Request())) {
        TellNotFound();
    }
}

void SearchDialog::TellNotFound() {
    ShowMessage("找不到");
}

}  // namespace velnor
