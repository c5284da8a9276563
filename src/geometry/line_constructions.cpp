#include <cmath>
#include <optional>

#include "geometry/construction_messages.h"
#include "geometry/constructions.h"
#include "geometry/page_geometry.h"
#include "geometry/tolerances.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

// Adds a vertex at p and returns its index, or nothing when the table is full.
std::optional<uint8_t> AddVertexAt(CGpage& page, Vec3 p) {
    if (!page.AddVertex(p.x, p.y, p.z)) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(page.m_nVertexCount - 1);
}

bool PerpendicularToLine(CGpage& page, uint8_t p, const CLineCell& line) {
    const Vec3 point = VertexPosition(page, p);
    const LineEnds ends = EndsOf(page, line);
    if (!HasDirection(ends)) {
        ShowMessage(kLineWithoutDirectionMessage);
        return false;
    }
    const Vec3 u = ends.b - ends.a;
    const Vec3 foot = ends.a + GuardedQuotient(Dot(point - ends.a, u), LengthSquared(u)) * u;
    const Vec3 offset = foot - point;
    const bool onLine = !Exceeds(offset.x, kEpsConstruct) && !Exceeds(offset.y, kEpsConstruct) &&
                        !Exceeds(offset.z, kEpsConstruct);
    if (onLine) {
        ShowMessage(kPointOnLineNoPerpendicularMessage);
        return false;
    }
    const std::optional<uint8_t> f = AddVertexAt(page, foot);
    if (!f) {
        return false;
    }
    page.AddLine(p, *f);
    page.m_selLines.clear();
    return true;
}

bool PerpendicularToFace(CGpage& page, uint8_t p, const CFaceCell& face) {
    const Vec3 point = VertexPosition(page, p);
    const FaceCorners corners = CornersOf(page, face);
    const Vec3 n = corners.Normal();
    const float normSquared = LengthSquared(n);
    if (!corners.hasPlane || normSquared == 0.0f) {
        ShowMessage(kFaceWithoutNormalMessage);
        return false;
    }
    const float r = Dot(n, corners.v1 - point);
    if (Exceeds(r, kEpsConstruct)) {
        const std::optional<uint8_t> f = AddVertexAt(page, point + (r / normSquared) * n);
        if (!f) {
            return false;
        }
        page.AddLine(p, *f);
    } else {
        // The point lies in the plane: draw the normal line there, through a point 10 units away.
        const std::optional<uint8_t> f = AddVertexAt(page, point + (10.0f * n) / Length(n));
        if (!f) {
            return false;
        }
        page.AddLine(p, *f, kStraightLine);
    }
    page.m_selFaces.clear();
    return true;
}

}  // namespace

bool ConstructPerpendicular(CGpage& page) {
    const SelectionCounts counts = CountSelection(page);
    if (counts.points != 1) {
        return false;
    }
    const auto p = static_cast<uint8_t>(page.m_selPoints[0]);
    bool done = false;
    if (counts.lines == 1) {
        const CLineCell* line = FindLine(page, page.m_selLines[0]);
        done = line != nullptr && PerpendicularToLine(page, p, *line);
    } else if (counts.faces == 1) {
        const CFaceCell* face = FindFace(page, page.m_selFaces[0]);
        done = face != nullptr && PerpendicularToFace(page, p, *face);
    }
    if (done) {
        page.m_selPoints.clear();
    }
    return done;
}

bool ConstructCommonPerpendicular(CGpage& page) {
    if (page.m_selLines.size() != 2) {
        return false;
    }
    const CLineCell* first = FindLine(page, page.m_selLines[0]);
    const CLineCell* second = FindLine(page, page.m_selLines[1]);
    if (first == nullptr || second == nullptr) {
        return false;
    }
    const LineEnds l1 = EndsOf(page, *first);
    const LineEnds l2 = EndsOf(page, *second);
    const Vec3 a = l1.a, c = l2.a;
    const Vec3 u = l1.b - a;
    const Vec3 v = l2.b - c;
    if (std::fabs(Dot(u, Cross(v, c - a))) < kEpsCoplanar) {
        ShowMessage(kCoplanarLinesMessage);
        return false;
    }
    const Vec3 common = Cross(u, v);
    const Vec3 m1 = Cross(u, common);  // normal of the plane through line 1 that holds `common`
    const Vec3 foot2 = c + GuardedQuotient(Dot(m1, a - c), Dot(m1, v)) * v;
    const Vec3 m2 = Cross(v, common);
    const Vec3 foot1 = a + GuardedQuotient(Dot(m2, c - a), Dot(m2, u)) * u;
    if (!page.HasRoomFor(2)) {
        ShowMessage(kVertexLimitMessage);
        return false;
    }
    const uint8_t f2 = *AddVertexAt(page, foot2);
    const uint8_t f1 = *AddVertexAt(page, foot1);
    page.AddLine(f2, f1, kSegment);
    page.m_selLines.clear();
    return true;
}

bool ConstructParallel(CGpage& page) {
    const SelectionCounts counts = CountSelection(page);
    if (counts.points != 1 || counts.lines != 1) {
        return false;
    }
    const Vec3 p = VertexPosition(page, page.m_selPoints[0]);
    const CLineCell* line = FindLine(page, page.m_selLines[0]);
    // The selection is given up whatever the outcome.
    page.m_selPoints.clear();
    page.m_selLines.clear();
    if (line == nullptr) {
        return false;
    }
    const LineEnds ends = EndsOf(page, *line);
    if (!HasDirection(ends)) {
        ShowMessage(kLineWithoutDirectionMessage);
        return false;
    }
    if (!Exceeds(DistancePointLine(p, ends.a, ends.b), kEpsOnOff)) {
        ShowMessage(kPointOnLineMessage);
        return false;
    }
    if (!page.HasRoomFor(2)) {
        ShowMessage(kVertexLimitMessage);
        return false;
    }
    const Vec3 u = ends.b - ends.a;
    const uint8_t behind = *AddVertexAt(page, p - u);
    const uint8_t ahead = *AddVertexAt(page, p + u);
    page.AddLine(behind, ahead, kStraightLine);
    // The two new vertices are not left selected either.
    page.m_selPoints.clear();
    return true;
}

bool ConstructAngleBisector(CGpage& page) {
    const SelectionCounts counts = CountSelection(page);
    if (counts.points != 3 || counts.lines != 0 || counts.faces != 0 || counts.solids != 0) {
        return false;
    }
    const uint8_t b = static_cast<uint8_t>(page.m_selPoints[1]);
    const Vec3 pa = VertexPosition(page, page.m_selPoints[0]);
    const Vec3 pb = VertexPosition(page, b);
    const Vec3 pc = VertexPosition(page, page.m_selPoints[2]);
    const float c = Length(pa - pb);
    const float a = Length(pc - pb);
    if (a < kEpsConstruct || c < kEpsConstruct) {
        return false;
    }
    const float lambda = c / a;
    const std::optional<uint8_t> d = AddVertexAt(page, (pa + lambda * pc) / (1.0f + lambda));
    if (!d) {
        return false;
    }
    page.AddLine(b, *d, kRay);
    return true;
}

}  // namespace velnor
