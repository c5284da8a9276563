#include "richtext/rtf_table_builder.h"

#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextTable>

#include <algorithm>
#include <array>
#include <map>

#include "richtext/rtf_state.h"

namespace velnor {

namespace {

// A cell that its row does not define is given this width.
constexpr int kDefaultCellTwips = 1440;
constexpr double kCellPaddingPixels = 4.0;

// The cell edges of a row: its left edge and each cell's right one, always increasing.
std::vector<int> EdgesOf(const RtfRowDefinition& definition, size_t cells) {
    std::vector<int> edges{definition.Left()};
    for (size_t i = 0; i < cells; ++i) {
        const int right = i < definition.Cells().size() ? definition.Cells()[i].right
                                                        : edges.back() + kDefaultCellTwips;
        edges.push_back(std::max(right, edges.back() + 1));
    }
    return edges;
}

void SetBorders(QTextTableCellFormat& format, const RtfCellDefinition& cell,
                const std::vector<QColor>& colors) {
    // The format's own properties for each side, in the order of RtfSide.
    struct SideProperties {
        int width, style, brush;
    };
    constexpr std::array<SideProperties, 4> kSides{{
        {QTextFormat::TableCellTopBorder, QTextFormat::TableCellTopBorderStyle,
         QTextFormat::TableCellTopBorderBrush},
        {QTextFormat::TableCellLeftBorder, QTextFormat::TableCellLeftBorderStyle,
         QTextFormat::TableCellLeftBorderBrush},
        {QTextFormat::TableCellBottomBorder, QTextFormat::TableCellBottomBorderStyle,
         QTextFormat::TableCellBottomBorderBrush},
        {QTextFormat::TableCellRightBorder, QTextFormat::TableCellRightBorderStyle,
         QTextFormat::TableCellRightBorderBrush},
    }};
    for (size_t side = 0; side < kSides.size(); ++side) {
        const RtfBorder& border = cell.borders[side];
        const SideProperties& properties = kSides[side];
        format.setProperty(properties.width,
                           border.shown ? std::max(1.0, border.width / kTwipsPerPixel) : 0.0);
        format.setProperty(properties.style, border.shown ? QTextFrameFormat::BorderStyle_Solid
                                                          : QTextFrameFormat::BorderStyle_None);
        const bool colored = border.color > 0 && border.color < static_cast<int>(colors.size()) &&
                             colors[border.color].isValid();
        format.setProperty(properties.brush,
                           QBrush(colored ? colors[border.color] : QColor(Qt::black)));
    }
}

}  // namespace

void RtfTableBuilder::Open() {
    if (!IsOpen()) {
        m_nStart = m_nCellStart = m_nRowsEnd = m_cursor.block().position();
    }
}

void RtfTableBuilder::FinishCell() {
    Open();
    const int end = m_cursor.position();
    // Text past the last cell a row may have joins that cell.
    if (m_row.cells.size() == RtfRowDefinition::kMaxCells) {
        m_row.cells.back().second = end;
    } else {
        m_row.cells.emplace_back(m_nCellStart, end);
    }
    // The paragraph mark that ends the cell comes next.
    m_nCellStart = end + 1;
}

void RtfTableBuilder::FinishRow(const RtfRowDefinition& definition) {
    if (m_row.cells.empty()) {
        return;
    }
    m_row.definition = definition;
    m_rows.push_back(std::move(m_row));
    m_row = Row{};
    m_nRowsEnd = m_nCellStart;
}

void RtfTableBuilder::Finish(const RtfRowDefinition& definition,
                             const std::vector<QColor>& colors) {
    if (!IsOpen()) {
        return;
    }
    FinishRow(definition);
    if (!m_rows.empty()) {
        Build(colors);
    }
    m_nStart = -1;
    m_rows.clear();
    m_row = Row{};
    m_cursor.movePosition(QTextCursor::End);
}

// Every cell edge of every row makes the columns. Rows whose edges hardly agree would need too
// many; their cells then go one to a column, whatever their widths.
RtfTableBuilder::Grid RtfTableBuilder::GridOfRows() const {
    Grid grid;
    for (const Row& row : m_rows) {
        grid.rowEdges.push_back(EdgesOf(row.definition, row.cells.size()));
        grid.edges.insert(grid.edges.end(), grid.rowEdges.back().begin(),
                          grid.rowEdges.back().end());
    }
    std::sort(grid.edges.begin(), grid.edges.end());
    grid.edges.erase(std::unique(grid.edges.begin(), grid.edges.end()), grid.edges.end());
    grid.byEdges = grid.edges.size() - 1 <= RtfRowDefinition::kMaxCells;
    return grid;
}

int RtfTableBuilder::Grid::ColumnOf(size_t row, size_t edge) const {
    if (!byEdges) {
        return static_cast<int>(edge);
    }
    const int x = rowEdges[row][edge];
    return static_cast<int>(std::lower_bound(edges.begin(), edges.end(), x) - edges.begin());
}

// Merged-away cells are placed too, so that merging keeps their text; the anchors span them.
std::vector<RtfTableBuilder::PlacedCell> RtfTableBuilder::PlaceCells(
    const Grid& grid, std::vector<size_t>& anchors) const {
    std::vector<PlacedCell> cells;
    std::map<int, size_t> verticalRuns;  // column → the anchor whose rows go on below
    QTextCursor range(m_cursor.document());
    for (size_t r = 0; r < m_rows.size(); ++r) {
        const Row& row = m_rows[r];
        const std::vector<RtfCellDefinition>& definitions = row.definition.Cells();
        for (size_t k = 0; k < row.cells.size(); ++k) {
            PlacedCell cell;
            cell.row = static_cast<int>(r);
            cell.column = grid.ColumnOf(r, k);
            cell.columns = grid.ColumnOf(r, k + 1) - cell.column;
            cell.definition = k < definitions.size() ? &definitions[k] : nullptr;
            range.setPosition(row.cells[k].first);
            range.setPosition(row.cells[k].second, QTextCursor::KeepAnchor);
            cell.text = range.selection();

            const RtfCellDefinition* definition = cell.definition;
            const auto run = verticalRuns.find(cell.column);
            if (definition != nullptr && definition->mergedWithLeft && !anchors.empty() &&
                cells[anchors.back()].row == cell.row) {
                PlacedCell& anchor = cells[anchors.back()];
                anchor.columns = cell.column + cell.columns - anchor.column;
            } else if (definition != nullptr && definition->mergedWithAbove &&
                       run != verticalRuns.end() &&
                       cells[run->second].row + cells[run->second].rows == cell.row) {
                ++cells[run->second].rows;
            } else {
                anchors.push_back(cells.size());
                if (definition != nullptr && definition->firstOfVertical) {
                    verticalRuns[cell.column] = cells.size();
                } else {
                    verticalRuns.erase(cell.column);
                }
            }
            cells.push_back(std::move(cell));
        }
    }
    return cells;
}

void RtfTableBuilder::Build(const std::vector<QColor>& colors) {
    const Grid grid = GridOfRows();
    std::vector<size_t> anchors;
    const std::vector<PlacedCell> cells = PlaceCells(grid, anchors);
    int columns = 1;
    for (const PlacedCell& cell : cells) {
        columns = std::max(columns, cell.column + cell.columns);
    }

    // A table put at the start of a paragraph would leave an empty one before it, so it takes
    // the place of the paragraph mark before its text too.
    const int tablePosition = std::max(0, m_nStart - 1);
    QTextCursor range(m_cursor.document());
    range.setPosition(tablePosition);
    range.setPosition(m_nRowsEnd, QTextCursor::KeepAnchor);
    range.removeSelectedText();

    QTextTableFormat format;
    format.setCellSpacing(0);
    format.setCellPadding(kCellPaddingPixels);
    format.setBorderCollapse(true);
    format.setBorder(0);
    if (grid.byEdges) {
        QList<QTextLength> widths;
        for (int c = 0; c < columns; ++c) {
            widths.append(QTextLength(QTextLength::FixedLength,
                                      (grid.edges[c + 1] - grid.edges[c]) / kTwipsPerPixel));
        }
        format.setColumnWidthConstraints(widths);
    }
    m_cursor.setPosition(tablePosition);
    QTextTable* table = m_cursor.insertTable(static_cast<int>(m_rows.size()), columns, format);
    for (const PlacedCell& cell : cells) {
        table->cellAt(cell.row, cell.column).firstCursorPosition().insertFragment(cell.text);
    }
    for (const size_t index : anchors) {
        const PlacedCell& cell = cells[index];
        QTextTableCell tableCell = table->cellAt(cell.row, cell.column);
        QTextTableCellFormat cellFormat = tableCell.format().toTableCellFormat();
        if (cell.definition != nullptr) {
            SetBorders(cellFormat, *cell.definition, colors);
        }
        tableCell.setFormat(cellFormat);
        if (cell.rows > 1 || cell.columns > 1) {
            table->mergeCells(cell.row, cell.column, cell.rows, cell.columns);
        }
    }
}

}  // namespace velnor
