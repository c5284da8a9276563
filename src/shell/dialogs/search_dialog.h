#pragma once

#include <QDialog>

#include "shell/notes_search.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QVBoxLayout;

namespace velnor {

// What 查找 and 替换 share: the text to look for (查找内容), 全字匹配 and 区分大小写, a column of
// buttons, and the editor they search. Both stay open beside the window while the user works.
class SearchDialog : public QDialog {
    Q_OBJECT

public:
    QLineEdit& FindText() { return *m_text; }
    QCheckBox& MatchWholeWord() { return *m_wholeWord; }
    QCheckBox& MatchCase() { return *m_matchCase; }

    // Finds the next match; says "找不到" when there is none.
    void FindNextMatch();

protected:
    SearchDialog(QTextEdit& edit, const QString& title, QWidget* parent);

    virtual SearchRequest Request() const;
    QPushButton* AddButton(const QString& text);
    // Rows of fields go below 查找内容; options below the fields.
    QGridLayout& Fields() { return *m_fields; }
    QVBoxLayout& Options() { return *m_options; }
    QTextEdit& Edit() { return m_edit; }
    void TellNotFound();
    void FinishButtons();

private:
    QTextEdit& m_edit;
    QLineEdit* m_text;
    QCheckBox* m_wholeWord;
    QCheckBox* m_matchCase;
    QGridLayout* m_fields;
    QVBoxLayout* m_options;
    QVBoxLayout* m_buttons;
};

}  // namespace velnor
