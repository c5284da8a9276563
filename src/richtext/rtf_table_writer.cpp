#include "richtext/rtf_table_writer.h"

#include <QTextTable>

#include <cmath>

#include "richtext/rtf_state.h"

namespace velnor {

namespace {

// The text width of an A4 page with margins of 2 cm.
constexpr int kTextWidthTwips = 9638;
constexpr int kCellGapTwips = 108;

struct Side {
    const char* word;
    qreal (QTextTableCellFormat::*width)() const;
    QTextFrameFormat::BorderStyle (QTextTableCellFormat::*style)() const;
    QBrush (QTextTableCellFormat::*brush)() const;
};

constexpr Side kSides[] = {
    {"\\clbrdrt", &QTextTableCellFormat::topBorder, &QTextTableCellFormat::topBorderStyle,
     &QTextTableCellFormat::topBorderBrush},
    {"\\clbrdrl", &QTextTableCellFormat::leftBorder, &QTextTableCellFormat::leftBorderStyle,
     &QTextTableCellFormat::leftBorderBrush},
    {"\\clbrdrb", &QTextTableCellFormat::bottomBorder, &QTextTableCellFormat::bottomBorderStyle,
     &QTextTableCellFormat::bottomBorderBrush},
    {"\\clbrdrr", &QTextTableCellFormat::rightBorder, &QTextTableCellFormat::rightBorderStyle,
     &QTextTableCellFormat::rightBorderBrush},
};

int Twips(double pixels) {
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}

std::string Borders(const QTextTableCellFormat& format,
                    const std::function<int(const QColor&)>& colorIndex) {
    std::string out;
    for (const Side& side : kSides) {
        const double width = (format.*side.width)();
        const QTextFrameFormat::BorderStyle style = (format.*side.style)();
        if (width <= 0 || style == QTextFrameFormat::BorderStyle_None) {
            continue;
        }
        out += std::string(side.word) + "\\brdrs\\brdrw" + std::to_string(Twips(width));
        const QBrush brush = (format.*side.brush)();
        if (brush.style() != Qt::NoBrush) {
            out += "\\brdrcf" + std::to_string(colorIndex(brush.color()));
        }
    }
    return out;
}

}  // namespace

std::vector<int> RtfColumnEdgesOf(const QTextTable& table) {
    const QList<QTextLength> widths = table.format().columnWidthConstraints();
    const int columns = table.columns();
    std::vector<int> edges;
    int edge = 0;
    for (int column = 0; column < columns; ++column) {
        const QTextLength width = widths.value(column);
        int twips = kTextWidthTwips / columns;
        if (width.type() == QTextLength::FixedLength) {
            twips = Twips(width.rawValue());
        } else if (width.type() == QTextLength::PercentageLength) {
            twips = static_cast<int>(kTextWidthTwips * width.rawValue() / 100.0);
        }
        edge += std::max(twips, 1);
        edges.push_back(edge);
    }
    return edges;
}

std::string RtfRowDefinitionOf(const QTextTable& table, int row, const std::vector<int>& edges,
                               const std::function<int(const QColor&)>& colorIndex) {
    std::string out = "\\trowd\\trgaph" + std::to_string(kCellGapTwips) + "\\trleft0";
    for (int column = 0; column < table.columns(); ++column) {
        const QTextTableCell cell = table.cellAt(row, column);
        if (cell.column() != column) {
            continue;
        }
        if (cell.row() != row) {
            out += "\\clvmrg";
        } else if (cell.rowSpan() > 1) {
            out += "\\clvmgf";
        }
        out += Borders(cell.format().toTableCellFormat(), colorIndex);
        out += "\\cellx" + std::to_string(edges[column + cell.columnSpan() - 1]);
    }
    return out;
}

}  // namespace velnor
