#include <cmath>
#include <optional>
#include <vector>

#include "geometry/construction_messages.h"
#include "geometry/constructions.h"
#include "geometry/page_geometry.h"
#include "geometry/tolerances.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

bool IsFinite(Vec3 p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

bool AddVertexAt(CGpage& page, Vec3 p) {
    return page.AddVertex(p.x, p.y, p.z);
}

// Whether a parameter along a line falls on one of its ends (0 or 1).
bool IsAtAnEnd(float a) {
    return !Exceeds(a, kEpsConstruct) || !Exceeds(a - 1.0f, kEpsConstruct);
}

// The parameter a with A + a u = C + b v, solved in the first coordinate plane where the two
// directions are not parallel; nothing when they are parallel in all three.
std::optional<float> MeetingParameter(Vec3 u, Vec3 v, Vec3 w) {
    const float xy = u.x * v.y - u.y * v.x;
    if (Exceeds(xy, kEpsConstruct)) {
        return (w.x * v.y - w.y * v.x) / xy;
    }
    const float xz = u.x * v.z - u.z * v.x;
    if (Exceeds(xz, kEpsConstruct)) {
        return (w.x * v.z - w.z * v.x) / xz;
    }
    const float yz = u.y * v.z - u.z * v.y;
    if (Exceeds(yz, kEpsConstruct)) {
        return (w.y * v.z - w.z * v.y) / yz;
    }
    return std::nullopt;
}

bool IntersectTwoLines(CGpage& page, const CLineCell& first, const CLineCell& second) {
    const LineEnds l1 = EndsOf(page, first);
    const LineEnds l2 = EndsOf(page, second);
    const Vec3 u = l1.b - l1.a;
    const Vec3 v = l2.b - l2.a;
    const Vec3 w = l2.a - l1.a;
    if (Exceeds(Dot(u, Cross(v, w)), kEpsCoplanar)) {
        ShowMessage(kSkewNoIntersectionMessage);
        return false;
    }
    const std::optional<float> a = MeetingParameter(u, v, w);
    if (!a) {
        ShowMessage(kParallelNoIntersectionMessage);
        return false;
    }
    // Only the first line's ends count: the meeting point may lie outside either segment.
    if (IsAtAnEnd(*a)) {
        ShowMessage(kIntersectionAtEndMessage);
        return false;
    }
    if (!AddVertexAt(page, l1.a + *a * u)) {
        return false;
    }
    page.m_selLines.clear();
    return true;
}

bool IntersectLineAndFace(CGpage& page, const CLineCell& line, const CFaceCell& face) {
    const LineEnds ends = EndsOf(page, line);
    const FaceCorners corners = CornersOf(page, face);
    if (!HasDirection(ends) || !corners.hasPlane) {
        ShowMessage(corners.hasPlane ? kLineWithoutDirectionMessage : kFaceWithoutPlaneMessage);
        return false;
    }
    const Vec3 n = corners.Normal();
    const Vec3 u = ends.b - ends.a;
    const float s = Dot(n, u);
    if (!Exceeds(s, kEpsConstruct)) {
        ShowMessage(kLineMissesFaceMessage);
        return false;
    }
    const float a = Dot(n, corners.v1 - ends.a) / s;
    if (IsAtAnEnd(a)) {
        ShowMessage(kLineEndOnFaceMessage);
        return false;
    }
    if (!AddVertexAt(page, ends.a + a * u)) {
        return false;
    }
    page.m_selLines.clear();
    page.m_selFaces.clear();
    return true;
}

}  // namespace

bool ConstructRatioPoints(CGpage& page, float lambda) {
    if (page.m_selLines.empty()) {
        return false;
    }
    const float divisor = 1.0f + lambda;
    if (divisor == 0.0f) {
        ShowMessage(kNoRatioPointMessage);
        return false;
    }
    std::vector<Vec3> points;
    for (int key : page.m_selLines) {
        const CLineCell* line = FindLine(page, key);
        if (line == nullptr) {
            return false;
        }
        const LineEnds ends = EndsOf(page, *line);
        const Vec3 p = (ends.a + lambda * ends.b) / divisor;
        // A ratio very close to −1 puts the point beyond the range of a float.
        if (!IsFinite(p)) {
            ShowMessage(kNoRatioPointMessage);
            return false;
        }
        points.push_back(p);
    }
    if (!page.HasRoomFor(static_cast<int>(points.size()))) {
        ShowMessage(kVertexLimitMessage);
        return false;
    }
    for (const Vec3& p : points) {
        AddVertexAt(page, p);
    }
    page.m_selLines.clear();
    return true;
}

bool ConstructRatioPoints(CGpage& page, int m, int n) {
    if (page.m_selLines.empty()) {
        return false;
    }
    if (n == 0) {
        ShowMessage(kNoRatioPointMessage);
        return false;
    }
    return ConstructRatioPoints(page, static_cast<float>(m) / static_cast<float>(n));
}

bool ConstructSymmetricPoint(CGpage& page) {
    if (page.m_selPoints.size() != 2) {
        return false;
    }
    const Vec3 p = VertexPosition(page, page.m_selPoints[0]);
    const Vec3 q = VertexPosition(page, page.m_selPoints[1]);
    return AddVertexAt(page, 2.0f * q - p);
}

bool ConstructIntersection(CGpage& page) {
    const SelectionCounts counts = CountSelection(page);
    if (counts.lines == 2) {
        const CLineCell* first = FindLine(page, page.m_selLines[0]);
        const CLineCell* second = FindLine(page, page.m_selLines[1]);
        return first != nullptr && second != nullptr && IntersectTwoLines(page, *first, *second);
    }
    if (counts.lines == 1 && counts.faces == 1) {
        const CLineCell* line = FindLine(page, page.m_selLines[0]);
        const CFaceCell* face = FindFace(page, page.m_selFaces[0]);
        return line != nullptr && face != nullptr && IntersectLineAndFace(page, *line, *face);
    }
    return false;
}

}  // namespace velnor
