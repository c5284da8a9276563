#include "shell/notes_pane.h"

#include "persistence/rtf_text.h"

namespace velnor {

NotesPane::NotesPane(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    connect(this, &QTextEdit::textChanged, this, &NotesPane::OnTextChanged);
}

void NotesPane::ShowRtf(const std::string& rtf) {
    m_bShowing = true;
    setPlainText(QString::fromStdString(RtfToText(rtf)));
    m_bShowing = false;
    m_strRtf = rtf;
    m_bEdited = false;
}

std::string NotesPane::Rtf() const {
    return m_bEdited ? TextToRtf(toPlainText().toStdString()) : m_strRtf;
}

void NotesPane::OnTextChanged() {
    if (m_bShowing || m_bEdited) {
        return;
    }
    m_bEdited = true;
    emit Edited();
}

}  // namespace velnor
