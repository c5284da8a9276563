#include "shell/dialogs/text_edit_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/rich_text_cells.h"
#include "model/bit_text.h"
#include "model/document.h"
#include "model/message_seam.h"
#include "richtext/rtf_reader.h"
#include "richtext/text_bitmap.h"
#include "shell/rich_text_edit.h"
#include "shell/text_format_bar.h"

namespace velnor {

TextEditDialog::TextEditDialog(const std::string& rtf, QWidget* parent)
    : QDialog(parent), m_edit(new RichTextEdit(this)) {
    setWindowTitle(QStringLiteral("文本编辑"));
    m_edit->document()->setDefaultFont(DefaultTextFont());
    if (!rtf.empty()) {
        ReadRtf(rtf, *m_edit->document());
        m_edit->document()->clearUndoRedoStacks();
    }
    m_edit->setMinimumSize(460, 220);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole)->setDefault(false);
    buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new TextFormatBar(*m_edit, this));
    layout->addWidget(m_edit, 1);
    layout->addWidget(buttons);
    m_edit->setFocus();
}

void TextEditDialog::accept() {
    if (IsBlankText(m_edit->toPlainText().toStdString())) {
        ShowMessage(kNoTextMessage);
        return;
    }
    m_result = RenderEditedText(*m_edit->document());
    QDialog::accept();
}

void EditRichText(CPlomDoc& doc, uint16_t key, QWidget* parent) {
    const CellMap<CSubassembly>& solids = doc.CurrentPage().m_solids;
    const auto found = solids.find(key);
    const auto* text =
        found == solids.end() ? nullptr : dynamic_cast<const CBitRtfText*>(found->second.get());
    if (text == nullptr) {
        return;
    }
    TextEditDialog dialog(text->m_strRtf, parent);
    if (dialog.exec() == QDialog::Accepted) {
        ReplaceRichText(doc, key, dialog.Result());
    }
}

}  // namespace velnor
