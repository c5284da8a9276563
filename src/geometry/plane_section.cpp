#include "geometry/plane_section.h"

#include <algorithm>
#include <set>
#include <utility>

#include "geometry/kernel.h"
#include "geometry/page_geometry.h"
#include "geometry/polygon_geometry.h"
#include "geometry/segment_chains.h"
#include "geometry/tolerances.h"

namespace velnor {

namespace {

// A point where the plane meets a face's boundary; `vertex` when it is one of the face's vertices.
struct CutPoint {
    Vec3 position;
    int vertex = -1;
};

bool SamePlace(Vec3 a, Vec3 b) {
    return !Exceeds(Length(a - b), kEpsConstruct);
}

float SignedDistance(const CuttingPlane& plane, Vec3 p) {
    return Dot(plane.n, p) + plane.d;
}

// Computed from the lower vertex index, so that the two faces of an edge get the same point.
CutPoint Crossing(const CGpage& page, const CuttingPlane& plane, int i, int j) {
    const int a = std::min(i, j), b = std::max(i, j);
    const Vec3 pa = VertexPosition(page, a), pb = VertexPosition(page, b);
    const float sa = SignedDistance(plane, pa), sb = SignedDistance(plane, pb);
    return {pa + (sa / (sa - sb)) * (pb - pa)};
}

// The points of the face's boundary on the plane, along the line where the plane meets the
// face's plane, each place once.
std::vector<CutPoint> BoundaryPoints(const CGpage& page, const CuttingPlane& plane,
                                     std::span<const uint8_t> verts, Vec3d faceNormal) {
    const size_t count = verts.size();
    std::vector<float> side(count);
    std::vector<bool> on(count);
    for (size_t i = 0; i < count; ++i) {
        side[i] = SignedDistance(plane, VertexPosition(page, verts[i]));
        on[i] = !Exceeds(side[i], kEpsOnOff);
    }
    std::vector<CutPoint> points;
    for (size_t i = 0; i < count; ++i) {
        const size_t j = (i + 1) % count;
        if (on[i]) {
            points.push_back({VertexPosition(page, verts[i]), verts[i]});
        } else if (!on[j] && (side[i] < 0.0f) != (side[j] < 0.0f)) {
            points.push_back(Crossing(page, plane, verts[i], verts[j]));
        }
    }
    const Vec3 along = ToVec3(Cross(ToVec3d(plane.n), faceNormal));
    std::sort(points.begin(), points.end(), [along](const CutPoint& p, const CutPoint& q) {
        return Dot(along, p.position) < Dot(along, q.position);
    });
    std::vector<CutPoint> distinct;
    for (const CutPoint& point : points) {
        if (distinct.empty() || !SamePlace(distinct.back().position, point.position)) {
            distinct.push_back(point);
        } else if (point.vertex >= 0) {
            distinct.back() = point;
        }
    }
    return distinct;
}

// Consecutive points along the cut bound a segment where the face lies between them; its
// boundary counts, so that an edge in the plane is a segment.
std::vector<std::pair<CutPoint, CutPoint>> CutFace(const CGpage& page, const CuttingPlane& plane,
                                                   const CFaceCell& face) {
    const auto verts = face.Verts();
    const bool lying = std::all_of(verts.begin(), verts.end(), [&](uint8_t v) {
        return !Exceeds(SignedDistance(plane, VertexPosition(page, v)), kEpsOnOff);
    });
    std::vector<Vec3> corners;
    for (uint8_t v : verts) {
        corners.push_back(VertexPosition(page, v));
    }
    const Vec3d normal = NewellNormal(corners);
    if (lying || Length(normal) == 0.0) {
        return {};
    }
    const std::vector<CutPoint> points = BoundaryPoints(page, plane, verts, normal);
    std::vector<std::pair<CutPoint, CutPoint>> segments;
    for (size_t k = 0; k + 1 < points.size(); ++k) {
        const Vec3 middle = 0.5f * (points[k].position + points[k + 1].position);
        if (PolygonContains(corners, normal, middle, kEpsOnOff)) {
            segments.emplace_back(points[k], points[k + 1]);
        }
    }
    return segments;
}

// Gathers the corners: a point takes the page's vertex in its place, or a new corner shared by
// every face that reaches that place.
class CornerTable {
public:
    explicit CornerTable(const CGpage& page) : m_page(page) {}

    int CornerOf(const CutPoint& point) {
        const int vertex = point.vertex >= 0 ? point.vertex : VertexAt(point.position);
        for (size_t i = 0; i < m_corners.size(); ++i) {
            const SectionCorner& corner = m_corners[i];
            const bool same = vertex >= 0
                                  ? corner.vertex == vertex
                                  : corner.vertex < 0 && SamePlace(corner.position, point.position);
            if (same) {
                return static_cast<int>(i);
            }
        }
        const Vec3 position = vertex >= 0 ? VertexPosition(m_page, vertex) : point.position;
        m_corners.push_back({position, vertex});
        return static_cast<int>(m_corners.size()) - 1;
    }

    std::vector<SectionCorner> Take() { return std::move(m_corners); }

private:
    int VertexAt(Vec3 position) const {
        for (int v = 0; v < m_page.m_nVertexCount; ++v) {
            if (SamePlace(VertexPosition(m_page, v), position)) {
                return v;
            }
        }
        return -1;
    }

    const CGpage& m_page;
    std::vector<SectionCorner> m_corners;
};

}  // namespace

std::optional<CuttingPlane> PlaneThroughPoints(Vec3 a, Vec3 b, Vec3 c) {
    if (!Exceeds(DistancePointLine(c, a, b), kEpsOnOff)) {
        return std::nullopt;
    }
    const Vec3 n = ToVec3(Unit(Cross(ToVec3d(b - a), ToVec3d(c - a))));
    return CuttingPlane{n, -Dot(n, a)};
}

std::optional<CuttingPlane> PlaneOfFace(const CGpage& page, const CFaceCell& face) {
    const auto verts = face.Verts();
    const Vec3 a = VertexPosition(page, verts.front());
    auto apart = std::find_if(verts.begin(), verts.end(),
                              [&](uint8_t v) { return !SamePlace(VertexPosition(page, v), a); });
    if (apart == verts.end()) {
        return std::nullopt;
    }
    const Vec3 b = VertexPosition(page, *apart);
    for (auto it = std::next(apart); it != verts.end(); ++it) {
        if (auto plane = PlaneThroughPoints(a, b, VertexPosition(page, *it))) {
            return plane;
        }
    }
    return std::nullopt;
}

CuttingPlane Shifted(const CuttingPlane& plane, float offset) {
    return {plane.n, plane.d - offset};
}

float FarthestAhead(const CGpage& page, const CuttingPlane& plane) {
    float ahead = 0.0f;
    for (const auto& [key, face] : page.m_faces) {
        for (uint8_t v : face->Verts()) {
            ahead = std::max(ahead, SignedDistance(plane, VertexPosition(page, v)));
        }
    }
    return ahead;
}

CuttingPlane FacingTheFaces(const CGpage& page, const CuttingPlane& plane) {
    const CuttingPlane turned{-plane.n, -plane.d};
    return FarthestAhead(page, turned) > FarthestAhead(page, plane) + kEpsOnOff ? turned : plane;
}

PlaneSection CutPageFaces(const CGpage& page, const CuttingPlane& plane) {
    CornerTable table(page);
    std::set<std::pair<int, int>> segments;
    for (const auto& [key, face] : page.m_faces) {
        for (const auto& [p, q] : CutFace(page, plane, *face)) {
            const int a = table.CornerOf(p), b = table.CornerOf(q);
            if (a != b) {
                segments.insert(std::minmax(a, b));
            }
        }
    }
    PlaneSection section;
    section.corners = table.Take();
    for (SegmentChain& chain : ChainSegments({segments.begin(), segments.end()})) {
        section.polygons.push_back({std::move(chain.points), chain.closed});
    }
    return section;
}

std::vector<int> SectionFaceCorners(const PlaneSection& section, const SectionPolygon& polygon) {
    const std::vector<int>& corners = polygon.corners;
    const size_t count = corners.size();
    std::vector<int> kept;
    for (size_t i = 0; i < count; ++i) {
        const Vec3 previous = section.corners[corners[(i + count - 1) % count]].position;
        const Vec3 next = section.corners[corners[(i + 1) % count]].position;
        if (Exceeds(DistancePointLine(section.corners[corners[i]].position, previous, next),
                    kEpsOnOff)) {
            kept.push_back(corners[i]);
        }
    }
    return kept;
}

}  // namespace velnor
