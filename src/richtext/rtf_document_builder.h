#pragma once

#include <QTextCursor>

class QString;
class QTextCharFormat;
class QTextDocument;
class QTextList;

namespace velnor {

class RtfPicture;
struct RtfParaState;

// Writes what the reader finds into the document: runs of text, the ends of paragraphs with
// their formats and lists, and pictures.
class RtfDocumentBuilder {
public:
    explicit RtfDocumentBuilder(QTextDocument& document) : m_cursor(&document) {}

    void InsertText(const QString& text, const QTextCharFormat& format);
    // Gives the current paragraph its format and list; unless it is the last, a new one starts.
    void FinishParagraph(const RtfParaState& para, bool last);
    // A PNG or JPEG picture goes into the text where Qt can show it; other kinds are dropped.
    void InsertPicture(const RtfPicture& picture);
    // Word processors end the last paragraph with \par too; it closes that paragraph rather
    // than opening an empty one.
    void DropFinalParagraphMark();

private:
    QTextCursor m_cursor;
    QTextList* m_pList = nullptr;
    bool m_bParagraphEnded = false;  // no text since the last paragraph mark
};

}  // namespace velnor
