#pragma once

#include <optional>
#include <vector>

#include "geometry/vec3.h"
#include "model/page.h"

namespace velnor {

// A plane n · X + d = 0 with a unit normal, so that n · X + d is the signed distance of X.
struct CuttingPlane {
    Vec3 n;
    float d = 0.0f;
};

// The plane through three points; nothing when the third lies on the line of the first two
// (which includes two points in one place).
std::optional<CuttingPlane> PlaneThroughPoints(Vec3 a, Vec3 b, Vec3 c);

// The plane of a face: through its first vertex, the first one apart from it and the first one
// off their line. Nothing for a face whose vertices all lie on one line.
std::optional<CuttingPlane> PlaneOfFace(const CGpage& page, const CFaceCell& face);

// The plane moved by `offset` along its normal.
CuttingPlane Shifted(const CuttingPlane& plane, float offset);

// How far the page's faces reach on the side the normal points to; 0 when none lies there.
float FarthestAhead(const CGpage& page, const CuttingPlane& plane);

// The plane, its normal turned if need be to point to the side where the page's faces reach
// farther from it, so that planes shifted forward run into the figure; faces reaching as far
// either way keep the plane's own normal.
CuttingPlane FacingTheFaces(const CGpage& page, const CuttingPlane& plane);

// A corner of a section: a vertex of the page (one within the construction tolerance is taken
// for the point) or a new point.
struct SectionCorner {
    Vec3 position;
    int vertex = -1;  // -1 for a new point
};

// Corners of the section joined in order, closed or not.
struct SectionPolygon {
    std::vector<int> corners;  // into PlaneSection::corners
    bool closed = false;
};

struct PlaneSection {
    std::vector<SectionCorner> corners;
    std::vector<SectionPolygon> polygons;

    bool Empty() const { return polygons.empty(); }
};

// Cuts every face of the page by the plane. A face the plane crosses gives its segments, a face
// lying in the plane gives none, an edge lying in the plane gives itself once; the segments chain
// into polygons.
PlaneSection CutPageFaces(const CGpage& page, const CuttingPlane& plane);

// The corners of a closed polygon that make its face: those on the line of their two neighbours
// are left out, as they add nothing to the shape and could leave the face without a plane.
std::vector<int> SectionFaceCorners(const PlaneSection& section, const SectionPolygon& polygon);

}  // namespace velnor
