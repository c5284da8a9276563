#pragma once

#include <QTextEdit>

#include <string>

namespace velnor {

// The notes of the document as plain text. The RTF the document was loaded with is kept as it
// was until the user edits the text; only then is a new RTF written from the text.
class NotesPane : public QTextEdit {
    Q_OBJECT

public:
    explicit NotesPane(QWidget* parent = nullptr);

    // Shows the text of these RTF bytes; they count as unedited.
    void ShowRtf(const std::string& rtf);
    // The RTF to store: the shown bytes while unedited, else the edited text as RTF.
    std::string Rtf() const;
    bool IsEdited() const { return m_bEdited; }

signals:
    // The user changed the text for the first time since it was shown.
    void Edited();

private:
    void OnTextChanged();

    std::string m_strRtf;
    bool m_bEdited = false;
    bool m_bShowing = false;
};

}  // namespace velnor
