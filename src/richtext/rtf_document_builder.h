#pragma once

#include <QPointer>
#include <QTextCursor>
#include <QTextList>
#include <QTextListFormat>

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "richtext/rtf_table_builder.h"

class QString;
class QTextCharFormat;
class QTextDocument;

namespace velnor {

class RtfPicture;
struct RtfParaState;

// The list of a paragraph: the list override it names, or kLegacyList for a \pn group, and the
// format of its level.
struct RtfParagraphList {
    static constexpr int kLegacyList = -1;
    int list = kLegacyList;
    QTextListFormat format;
};

// Writes what the reader finds into the document: runs of text, the ends of paragraphs with
// their formats and lists, and pictures.
class RtfDocumentBuilder {
public:
    explicit RtfDocumentBuilder(QTextDocument& document) : m_cursor(&document) {}

    void InsertText(const QString& text, const QTextCharFormat& format);
    // Gives the current paragraph its format and list; unless it is the last, a new one starts.
    void FinishParagraph(const RtfParaState& para, const std::optional<RtfParagraphList>& list,
                         bool last);
    // A paragraph of a table starts; the table starts with it unless one is open.
    void StartTableParagraph() { m_table.Open(); }
    // Like FinishParagraph, and the paragraph ends a table cell.
    void FinishCell(const RtfParaState& para, const std::optional<RtfParagraphList>& list);
    void FinishRow(const RtfRowDefinition& definition) { m_table.FinishRow(definition); }
    // The open table, if any, takes its place in the document.
    void FinishTable(const RtfRowDefinition& definition, const std::vector<QColor>& colors);
    // A PNG or JPEG picture goes into the text where Qt can show it; other kinds are dropped.
    void InsertPicture(const RtfPicture& picture);
    // Word processors end the last paragraph with \par too; it closes that paragraph rather
    // than opening an empty one.
    void DropFinalParagraphMark();

private:
    void FormatParagraph(const RtfParaState& para, const std::optional<RtfParagraphList>& list);
    void StartParagraph();
    void AddToList(const RtfParagraphList& list);

    QTextCursor m_cursor;
    RtfTableBuilder m_table{m_cursor};
    // The Qt list of each list and level met so far. The numbers of a list go on across other
    // paragraphs; those of a deeper level start again after an item of a higher one.
    // Moving text into a table can delete a list, hence QPointer.
    std::map<std::pair<int, int>, QPointer<QTextList>> m_lists;
    bool m_bParagraphEnded = false;  // no text since the last paragraph mark
};

}  // namespace velnor
