#pragma once

#include <QPointF>

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

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

private:
    // An edge as its start and unit direction, the inside on its left.
    struct Edge {
        QPointF start;
        QPointF direction;
    };
    struct Polygon {
        std::vector<Edge> edges;
        double depthX, depthY, depthC;  // depth = depthX * x + depthY * y + depthC
        double left, top, right, bottom;
        Occlusion occlusion;
    };

    // The part of a-b that lies inside the polygon and behind it, if any.
    bool Behind(const Polygon& polygon, const ScreenPoint& a, const ScreenPoint& b,
                LinePart& part) const;
    // The polygons whose bounds meet the cells the segment a-b passes, each once.
    std::vector<uint32_t> Near(const QPointF& a, const QPointF& b) const;

    std::vector<Polygon> m_polygons;
    // The polygons by the square cells of the drawing their bounds meet; those too large for
    // cells are always looked at.
    std::unordered_map<int64_t, std::vector<uint32_t>> m_cells;
    std::vector<uint32_t> m_large;
    // Scratch of Near(): the last search that took each polygon.
    mutable std::vector<uint32_t> m_takenBy;
    mutable uint32_t m_search = 0;
    bool m_coverAll = false;
};

}  // namespace velnor
