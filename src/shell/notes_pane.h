#pragma once

#include <string>

#include "shell/rich_text_edit.h"

namespace velnor {

// The notes of the document as rich text. The RTF the document was loaded with is kept as it was
// until the user edits the notes; only then is a new RTF written from the edited text.
class NotesPane : public RichTextEdit {
    Q_OBJECT

public:
    explicit NotesPane(QWidget* parent = nullptr);

    // Shows these RTF bytes; they count as unedited, and the pane's undo history starts afresh.
    void ShowRtf(const std::string& rtf);
    // The RTF to store: the shown bytes while unedited, else the edited notes as RTF.
    std::string Rtf() const;
    bool IsEdited() const { return m_bEdited; }

signals:
    // The user changed the notes for the first time since they were shown.
    void Edited();

private:
    void OnTextChanged();

    std::string m_strRtf;
    bool m_bEdited = false;
    bool m_bShowing = false;
};

}  // namespace velnor
