#include "model/dtext_cell.h"

#include <algorithm>

namespace velnor {

bool CDTextCell::operator==(const CDTextCell& other) const {
    // Only the used vertex slots carry meaning.
    return CGcell::operator==(other) && m_nVertCount == other.m_nVertCount &&
           std::ranges::equal(Verts(), other.Verts()) && m_nType == other.m_nType &&
           m_fValue == other.m_fValue && m_strText == other.m_strText &&
           m_nPlaceX == other.m_nPlaceX && m_nPlaceY == other.m_nPlaceY;
}

}  // namespace velnor
