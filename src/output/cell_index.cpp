#include "output/cell_index.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace velnor {

namespace {

// The side of a cell, in drawing units, and the most cells an item or a segment spans in either
// direction before it is taken without the cells.
constexpr double kCell = 32.0;
constexpr double kMostCells = 256.0;

int64_t CellKey(int64_t column, int64_t row) {
    return (column << 32) ^ (row & 0xffffffff);
}

int64_t CellOf(double x) {
    return static_cast<int64_t>(std::floor(x / kCell));
}

}  // namespace

bool CellIndex::TooLarge(const QRectF& box) const {
    return box.width() / kCell > kMostCells || box.height() / kCell > kMostCells;
}

void CellIndex::Add(const QRectF& bounds) {
    const uint32_t index = m_count++;
    if (TooLarge(bounds)) {
        m_large.push_back(index);
        return;
    }
    for (int64_t column = CellOf(bounds.left()); column <= CellOf(bounds.right()); ++column) {
        for (int64_t row = CellOf(bounds.top()); row <= CellOf(bounds.bottom()); ++row) {
            m_cells[CellKey(column, row)].push_back(index);
        }
    }
}

void CellIndex::StartAnswer() const {
    m_found = m_large;
    m_takenBy.resize(m_count, 0);
    ++m_question;
}

void CellIndex::TakeCell(int64_t column, int64_t row) const {
    const auto found = m_cells.find(CellKey(column, row));
    if (found == m_cells.end()) {
        return;
    }
    for (const uint32_t index : found->second) {
        if (m_takenBy[index] != m_question) {
            m_takenBy[index] = m_question;
            m_found.push_back(index);
        }
    }
}

const std::vector<uint32_t>& CellIndex::Along(const QPointF& a, const QPointF& b) const {
    const auto [left, right] = std::minmax({a.x(), b.x()});
    const auto [top, bottom] = std::minmax({a.y(), b.y()});
    if (TooLarge(QRectF(QPointF(left, top), QPointF(right, bottom)))) {
        m_found.resize(m_count);
        std::iota(m_found.begin(), m_found.end(), 0u);
        return m_found;
    }
    StartAnswer();
    // Column by column, the rows between the heights of the segment at the column's sides.
    const bool upright = right - left < 1e-9;
    const auto yAt = [&](double x) {
        return a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
    };
    for (int64_t column = CellOf(left); column <= CellOf(right); ++column) {
        const double x0 = std::max(left, static_cast<double>(column) * kCell);
        const double x1 = std::min(right, static_cast<double>(column + 1) * kCell);
        const double y0 = upright ? top : yAt(x0);
        const double y1 = upright ? bottom : yAt(x1);
        for (int64_t row = CellOf(std::min(y0, y1)); row <= CellOf(std::max(y0, y1)); ++row) {
            TakeCell(column, row);
        }
    }
    return m_found;
}

}  // namespace velnor
