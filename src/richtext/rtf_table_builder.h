#pragma once

#include <QColor>

#include <utility>
#include <vector>

#include "richtext/rtf_row_definition.h"

class QTextCursor;

namespace velnor {

// Turns the rows of an RTF table into a QTextTable. The cells' text is first written into the
// document as plain paragraphs, as any text is; at the end of the table those paragraphs move
// into the cells of a table put in their place. Only then are all rows known, and with them the
// columns: a cell that spans two columns of other rows is one wide cell in RTF.
class RtfTableBuilder {
public:
    explicit RtfTableBuilder(QTextCursor& cursor) : m_cursor(cursor) {}

    bool IsOpen() const { return m_nStart >= 0; }
    // A table starts with the paragraph the cursor is in, unless one is open.
    void Open();
    // A cell's text ends at the cursor; the caller ends the paragraph after it.
    void FinishCell();
    // The cells since the last row form a row defined by `definition`.
    void FinishRow(const RtfRowDefinition& definition);
    // Replaces the paragraphs of the rows with a table, and puts the cursor at the end of the
    // document. Cells of an unfinished row make a last row defined by `definition`.
    void Finish(const RtfRowDefinition& definition, const std::vector<QColor>& colors);

private:
    struct Row {
        RtfRowDefinition definition;
        std::vector<std::pair<int, int>> cells;  // the range of each cell's text
    };

    void Build(const std::vector<QColor>& colors);

    QTextCursor& m_cursor;
    int m_nStart = -1;  // where the table's text starts; -1 while no table is open
    int m_nCellStart = 0;
    int m_nRowsEnd = 0;  // where the text of the last finished row ends
    std::vector<Row> m_rows;
    Row m_row;
};

}  // namespace velnor
