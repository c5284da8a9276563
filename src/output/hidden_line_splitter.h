#pragma once

#include <QPointF>

#include <span>
#include <vector>

#include "output/cell_index.h"
#include "output/drawing_plane.h"
#include "output/scene_projector.h"

namespace velnor {

// What a surface does to the lines behind it: a face or an outline solid lets them show dashed,
// a painted solid covers them.
enum class Occlusion { kDashes, kCovers };

// A part of a line, as fractions of the way from its start to its end.
struct LinePart {
    double from = 0.0;
    double to = 1.0;
};

// How a line comes out: the parts drawn solid and the parts drawn dashed. What is covered is in
// neither. The parts do not overlap, so nothing is drawn twice.
struct SplitLine {
    std::vector<LinePart> visible;
    std::vector<LinePart> dashed;
};

// The surfaces of one viewport as convex polygons on the drawing, each with the plane of its
// depths, and the splitting of lines against them: what the depth buffer does in the view.
class HiddenLineSplitter {
public:
    // A planar convex polygon (a face, or a facet of a solid). Polygons seen edge-on hide nothing
    // and are left out.
    void Add(std::span<const ScreenPoint> corners, Occlusion occlusion);
    // In fill mode faces hide lines as painted solids do.
    void CoverEverything() { m_coverAll = true; }

    SplitLine Split(const ScreenPoint& a, const ScreenPoint& b) const;
    // Whether covering surfaces lie in front of the point and of the few pixels right of it.
    bool Covers(const ScreenPoint& p) const;

private:
    // An edge as its start and unit direction, the inside on its left.
    struct Edge {
        QPointF start;
        QPointF direction;
    };
    struct Polygon {
        std::vector<Edge> edges;
        DepthPlane plane;
        double left, top, right, bottom;
        Occlusion occlusion;
    };

    // The part of a-b that lies inside the polygon and behind it, if any.
    bool Behind(const Polygon& polygon, const ScreenPoint& a, const ScreenPoint& b,
                LinePart& part) const;

    std::vector<Polygon> m_polygons;
    CellIndex m_index;
    bool m_coverAll = false;
};

}  // namespace velnor
