#include "geometry/construction_enabling.h"

#include "geometry/page_geometry.h"

namespace velnor {

bool CanConstructMidpoint(const CGpage& page) {
    return !page.m_lines.empty();
}

bool CanConstructRatioPoints(const CGpage& page) {
    return !page.m_selLines.empty();
}

bool CanConstructSymmetricPoint(const CGpage& page) {
    return page.m_selPoints.size() == 2;
}

bool CanConstructIntersection(const CGpage& page) {
    const SelectionCounts n = CountSelection(page);
    return n.lines == 2 || (n.lines == 1 && n.faces == 1);
}

bool CanConstructPerpendicular(const CGpage& page) {
    const SelectionCounts n = CountSelection(page);
    return n.points == 1 && (n.lines == 1 || n.faces == 1);
}

bool CanConstructCommonPerpendicular(const CGpage& page) {
    return page.m_selLines.size() == 2;
}

bool CanConstructParallel(const CGpage& page) {
    const SelectionCounts n = CountSelection(page);
    return n.points == 1 && n.lines == 1;
}

bool CanConstructAngleBisector(const CGpage& page) {
    const SelectionCounts n = CountSelection(page);
    return n.points == 3 && n.lines == 0 && n.faces == 0 && n.solids == 0;
}

}  // namespace velnor
