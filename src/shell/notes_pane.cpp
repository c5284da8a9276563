#include "shell/notes_pane.h"

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace velnor {

NotesPane::NotesPane(QWidget* parent) : RichTextEdit(parent) {
    connect(this, &QTextEdit::textChanged, this, &NotesPane::OnTextChanged);
}

void NotesPane::ShowRtf(const std::string& rtf) {
    m_bShowing = true;
    document()->setDefaultFont(font());
    ReadRtf(rtf, *document());
    document()->clearUndoRedoStacks();
    m_bShowing = false;
    m_strRtf = rtf;
    m_bEdited = false;
}

std::string NotesPane::Rtf() const {
    return m_bEdited ? WriteRtf(*document()) : m_strRtf;
}

void NotesPane::OnTextChanged() {
    if (m_bShowing || m_bEdited) {
        return;
    }
    m_bEdited = true;
    emit Edited();
}

}  // namespace velnor
