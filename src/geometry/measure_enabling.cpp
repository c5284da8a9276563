#include "geometry/measure_enabling.h"

#include "geometry/measure_types.h"
#include "geometry/page_geometry.h"

namespace velnor {

namespace {

// A count the rule does not name may be anything.
constexpr int kAny = -1;

bool Matches(size_t count, int wanted) {
    return wanted == kAny || count == static_cast<size_t>(wanted);
}

bool SelectionIs(const CGpage& page, int points, int lines, int faces, int solids) {
    const SelectionCounts n = CountSelection(page);
    return Matches(n.points, points) && Matches(n.lines, lines) && Matches(n.faces, faces) &&
           Matches(n.solids, solids);
}

}  // namespace

bool CanAddMeasureText(const CGpage& page, int request) {
    switch (request) {
        case kPointCoordinates:
            return SelectionIs(page, 1, 0, 0, 0);
        case kPointDistance:
            return SelectionIs(page, 2, 0, 0, kAny);
        case kSegmentLength:
            return SelectionIs(page, 0, 1, 0, kAny);
        case kPointLineDistance:
            return SelectionIs(page, 1, 1, 0, kAny);
        case kPointPlaneDistance:
            return SelectionIs(page, 1, 0, 1, kAny);
        case kLineLineDistance:
            return SelectionIs(page, 0, 2, 0, 0);
        case kLineLineAngle:
            return SelectionIs(page, 0, 2, 0, kAny);
        case kLinePlaneAngle:
            return SelectionIs(page, 0, 1, 1, kAny);
        case kDihedralAngle:
            return SelectionIs(page, 0, 0, 2, kAny);
        case kFaceArea:
            return SelectionIs(page, 0, 0, 1, kAny);
        case kTetraVolume:
            return SelectionIs(page, 4, 0, 0, 0);
        case kPlaneEquation:
            return SelectionIs(page, 0, 0, 1, 0);
        case kVertexAngle:
            return SelectionIs(page, 3, 0, 0, 0);
        default:
            return false;
    }
}

int DistanceMeasureRequest(const CGpage& page) {
    return page.m_selPoints.size() == 2 ? kPointDistance : kSegmentLength;
}

bool CanMeasureDistance(const CGpage& page) {
    return CanAddMeasureText(page, DistanceMeasureRequest(page));
}

std::string MeasureUndoName(int request) {
    switch (request) {
        case kPointCoordinates:
            return "添加点的坐标";
        case kPointDistance:
        case kSegmentLength:
            return "添加距离度量文本";
        case kPointLineDistance:
            return "添加点线距离度量文本";
        case kPointPlaneDistance:
            return "添加点面距离度量文本";
        case kLineLineDistance:
            return "添加线线距离度量文本";
        case kLineLineAngle:
            return "添加线线角度量文本";
        case kLinePlaneAngle:
            return "添加线面角度量文本";
        case kDihedralAngle:
            return "添加二面角度量文本";
        case kFaceArea:
            return "添加面积度量文本";
        case kTetraVolume:
            return "添加体积度量文本";
        case kPlaneEquation:
            return "添加面的方程";
        case kVertexAngle:
            return "添加角的度量值";
        default:
            return "";
    }
}

}  // namespace velnor
