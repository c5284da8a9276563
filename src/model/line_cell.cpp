#include "model/line_cell.h"

#include <utility>

namespace velnor {

CLineCell::CLineCell() : CGcell("线"), m_nKind(kSegment) {}

CLineCell::CLineCell(uint8_t start, uint8_t end, uint8_t kind)
    : CGcell("线"), m_nStart(start), m_nEnd(end), m_nKind(kind) {}

void CLineCell::Reverse() { std::swap(m_nStart, m_nEnd); }

}  // namespace velnor
