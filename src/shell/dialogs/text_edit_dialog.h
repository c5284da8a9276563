#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

#include "model/text_renderer_seam.h"

namespace velnor {

class CPlomDoc;
class RichTextEdit;

// "文本编辑": types a rich text for a bitmap text. OK hands over the text drawn as a bitmap with
// its RTF (Result); OK with nothing typed says so and stays open; 关闭 hands over nothing.
class TextEditDialog : public QDialog {
    Q_OBJECT

public:
    // Opens on the stored RTF of a text, or empty in the default font.
    explicit TextEditDialog(const std::string& rtf = {}, QWidget* parent = nullptr);

    RichTextEdit& Editor() { return *m_edit; }
    const EditedText& Result() const { return m_result; }

    void accept() override;

private:
    RichTextEdit* m_edit;
    EditedText m_result;
};

// Opens the editor on the stored text of the rich text with that key on the current page; OK puts
// the edited text in its place as one undoable step.
void EditRichText(CPlomDoc& doc, uint16_t key, QWidget* parent);

}  // namespace velnor
