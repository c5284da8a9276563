#pragma once

#include <QColor>
#include <QTextDocumentFragment>

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

    // The columns that the rows' cell edges make.
    struct Grid {
        std::vector<std::vector<int>> rowEdges;  // each row's left edge and its cells' right ones
        std::vector<int> edges;                  // all of them, sorted
        bool byEdges = true;                     // false: a cell to a column

        // The column where edge `edge` of row `row` is.
        int ColumnOf(size_t row, size_t edge) const;
    };

    // Where a cell sits in the table's grid of columns.
    struct PlacedCell {
        int row = 0;
        int column = 0;
        int columns = 1;
        int rows = 1;
        QTextDocumentFragment text;
        const RtfCellDefinition* definition =
            nullptr;  // nullptr for a cell its row leaves undefined
    };

    Grid GridOfRows() const;
    std::vector<PlacedCell> PlaceCells(const Grid& grid, std::vector<size_t>& anchors) const;
    void Build(const std::vector<QColor>& colors);

    QTextCursor& m_cursor;
    int m_nStart = -1;  // where the table's text starts; -1 while no table is open
    int m_nCellStart = 0;
    int m_nRowsEnd = 0;  // where the text of the last finished row ends
    std::vector<Row> m_rows;
    Row m_row;
};

}  // namespace velnor
