#include "richtext/rtf_document_builder.h"

#include <QTextList>

#include "richtext/rtf_picture.h"
#include "richtext/rtf_state.h"

namespace velnor {

void RtfDocumentBuilder::InsertText(const QString& text, const QTextCharFormat& format) {
    m_bParagraphEnded = false;
    m_cursor.insertText(text, format);
}

void RtfDocumentBuilder::FinishParagraph(const RtfParaState& para,
                                         const std::optional<RtfParagraphList>& list, bool last) {
    FormatParagraph(para, list);
    if (!last) {
        StartParagraph();
    }
}

void RtfDocumentBuilder::FinishCell(const RtfParaState& para,
                                    const std::optional<RtfParagraphList>& list) {
    FormatParagraph(para, list);
    m_table.FinishCell();
    StartParagraph();
}

void RtfDocumentBuilder::FinishTable(const RtfRowDefinition& definition,
                                     const std::vector<QColor>& colors) {
    if (m_table.IsOpen()) {
        m_table.Finish(definition, colors);
        m_bParagraphEnded = false;
    }
}

void RtfDocumentBuilder::FormatParagraph(const RtfParaState& para,
                                         const std::optional<RtfParagraphList>& list) {
    m_cursor.setBlockFormat(BlockFormatOf(para, list ? list->format.indent() : 0));
    if (list) {
        AddToList(*list);
    } else {
        // Numbers of the old \pn kind start again after any other paragraph.
        std::erase_if(m_lists, [](const auto& entry) {
            return entry.first.first == RtfParagraphList::kLegacyList;
        });
    }
}

void RtfDocumentBuilder::StartParagraph() {
    m_cursor.insertBlock(QTextBlockFormat(), m_cursor.charFormat());
    m_bParagraphEnded = true;
}

void RtfDocumentBuilder::AddToList(const RtfParagraphList& list) {
    const int level = list.format.indent();
    std::erase_if(m_lists, [&](const auto& entry) {
        return entry.first.first == list.list && entry.first.second > level;
    });
    QPointer<QTextList>& qtList = m_lists[{list.list, level}];
    if (qtList != nullptr && qtList->format() == list.format) {
        qtList->add(m_cursor.block());
    } else {
        qtList = m_cursor.createList(list.format);
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
