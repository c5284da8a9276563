#pragma once

#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace velnor {

// Items of the drawing (polygons, by their bounds) filed by the square cells their bounds meet,
// so that what lies near a segment is found without looking at every item. Items too large for
// the cells are always found. An answer holds each item once, in no set order, and lasts until
// the next question.
class CellIndex {
public:
    // Files the next item: the first is 0, then 1, ...
    void Add(const QRectF& bounds);

    // The items whose cells meet the cells the segment a-b passes.
    const std::vector<uint32_t>& Along(const QPointF& a, const QPointF& b) const;

private:
    bool TooLarge(const QRectF& box) const;
    void StartAnswer() const;
    void TakeCell(int64_t column, int64_t row) const;

    uint32_t m_count = 0;
    std::unordered_map<int64_t, std::vector<uint32_t>> m_cells;
    std::vector<uint32_t> m_large;
    // The answer, and for each item the last question that took it.
    mutable std::vector<uint32_t> m_found;
    mutable std::vector<uint32_t> m_takenBy;
    mutable uint32_t m_question = 0;
};

}  // namespace velnor
