#include "richtext/rtf_document_builder.h"

#include <QTextList>

#include "richtext/rtf_picture.h"
#include "richtext/rtf_state.h"

namespace velnor {

void RtfDocumentBuilder::InsertText(const QString& text, const QTextCharFormat& format) {
    m_bParagraphEnded = false;
    m_cursor.insertText(text, format);
}

void RtfDocumentBuilder::FinishParagraph(const RtfParaState& para, bool last) {
    m_cursor.setBlockFormat(BlockFormatOf(para));
    if (para.list == QTextListFormat::ListStyleUndefined) {
        m_pList = nullptr;
    } else if (m_pList != nullptr && m_pList->format().style() == para.list) {
        m_pList->add(m_cursor.block());
    } else {
        QTextListFormat format;
        format.setStyle(para.list);
        m_pList = m_cursor.createList(format);
    }
    if (!last) {
        m_cursor.insertBlock(QTextBlockFormat(), m_cursor.charFormat());
        m_bParagraphEnded = true;
    }
}

void RtfDocumentBuilder::InsertPicture(const RtfPicture& picture) {
    if (picture.InsertAt(m_cursor)) {
        m_bParagraphEnded = false;
    }
}

void RtfDocumentBuilder::DropFinalParagraphMark() {
    if (m_bParagraphEnded && m_cursor.block().length() == 1 &&
        m_cursor.block().previous().isValid()) {
        m_cursor.deletePreviousChar();
    }
}

}  // namespace velnor
