#include "output/hidden_line_splitter.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <optional>

namespace velnor {

namespace {

// A line on the edge of a face is not behind it: points count as inside only this far (in
// drawing units) within the edges, and as behind only this far behind the plane (in depth units,
// about a thousandth of a unit of the scene).
constexpr double kInsideMargin = 0.05;
constexpr double kDepthMargin = 1e-5;
// Parts shorter than this, in drawing units, are joined to their neighbours.
constexpr double kShortestPart = 1.0;

// Joins overlapping parts and parts closer than `gap`; parts that come within `gap` of an end of
// the line reach it.
std::vector<LinePart> Joined(std::vector<LinePart> parts, double gap) {
    std::sort(parts.begin(), parts.end(),
              [](const LinePart& x, const LinePart& y) { return x.from < y.from; });
    std::vector<LinePart> joined;
    for (const LinePart& part : parts) {
        if (!joined.empty() && part.from <= joined.back().to + gap) {
            joined.back().to = std::max(joined.back().to, part.to);
        } else {
            joined.push_back(part);
        }
    }
    for (LinePart& part : joined) {
        part.from = part.from < gap ? 0.0 : part.from;
        part.to = part.to > 1.0 - gap ? 1.0 : part.to;
    }
    return joined;
}

// [0, 1] without the parts, leaving out what is shorter than `gap`.
std::vector<LinePart> Rest(const std::vector<LinePart>& parts, double gap) {
    std::vector<LinePart> rest;
    double from = 0.0;
    for (const LinePart& part : parts) {
        if (part.from - from > gap) {
            rest.push_back({from, part.from});
        }
        from = std::max(from, part.to);
    }
    if (1.0 - from > gap) {
        rest.push_back({from, 1.0});
    }
    return rest;
}

// The parts of `parts` that lie outside every one of `holes` (both sorted and joined).
std::vector<LinePart> Without(const std::vector<LinePart>& parts,
                              const std::vector<LinePart>& holes, double gap) {
    std::vector<LinePart> result;
    for (const LinePart& part : parts) {
        double from = part.from;
        for (const LinePart& hole : holes) {
            if (hole.to <= from || hole.from >= part.to) {
                continue;
            }
            if (hole.from - from > gap) {
                result.push_back({from, hole.from});
            }
            from = std::max(from, hole.to);
        }
        if (part.to - from > gap) {
            result.push_back({from, part.to});
        }
    }
    return result;
}

}  // namespace

void HiddenLineSplitter::Add(std::span<const ScreenPoint> corners, Occlusion occlusion) {
    if (corners.size() < 3) {
        return;
    }
    std::vector<QPointF> at;
    for (const ScreenPoint& c : corners) {
        at.push_back(c.at);
    }
    const double area = SignedArea(at);
    const std::optional<DepthPlane> plane = DepthPlaneOf(corners);
    if (std::fabs(area) < 1e-3 || !plane) {
        return;
    }
    if (area < 0.0) {
        std::reverse(at.begin(), at.end());
    }
    Polygon polygon;
    polygon.plane = *plane;
    polygon.occlusion = occlusion;
    for (size_t i = 0; i < at.size(); ++i) {
        const QPointF edge = at[(i + 1) % at.size()] - at[i];
        const double length = std::hypot(edge.x(), edge.y());
        if (length > 0.0) {
            polygon.edges.push_back({at[i], edge / length});
        }
    }
    const auto [minX, maxX] = std::minmax_element(
        at.begin(), at.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    const auto [minY, maxY] = std::minmax_element(
        at.begin(), at.end(), [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    polygon.left = minX->x();
    polygon.right = maxX->x();
    polygon.top = minY->y();
    polygon.bottom = maxY->y();
    m_index.Add(QRectF(QPointF(polygon.left, polygon.top), QPointF(polygon.right, polygon.bottom)));
    m_polygons.push_back(std::move(polygon));
}

bool HiddenLineSplitter::Behind(const Polygon& polygon, const ScreenPoint& a, const ScreenPoint& b,
                                LinePart& part) const {
    double t0 = 0.0, t1 = 1.0;
    // Keeps the t where f(t) = fa + t (fb - fa) exceeds zero.
    const auto keepPositive = [&](double fa, double fb) {
        if (fa <= 0.0 && fb <= 0.0) {
            return false;
        }
        if (fa <= 0.0) {
            t0 = std::max(t0, fa / (fa - fb));
        } else if (fb <= 0.0) {
            t1 = std::min(t1, fa / (fa - fb));
        }
        return t0 < t1;
    };
    // The plane first: it turns away the lines in front, about half of those near, at less cost.
    if (!keepPositive(a.depth - polygon.plane.At(a.at) - kDepthMargin,
                      b.depth - polygon.plane.At(b.at) - kDepthMargin)) {
        return false;
    }
    for (const Edge& edge : polygon.edges) {
        const double fa = Cross(edge.direction, a.at - edge.start) - kInsideMargin;
        const double fb = Cross(edge.direction, b.at - edge.start) - kInsideMargin;
        if (!keepPositive(fa, fb)) {
            return false;
        }
    }
    part = {t0, t1};
    return true;
}

SplitLine HiddenLineSplitter::Split(const ScreenPoint& a, const ScreenPoint& b) const {
    const double length = QLineF(a.at, b.at).length();
    if (length < 1e-9) {
        return {};
    }
    const auto [left, right] = std::minmax({a.at.x(), b.at.x()});
    const auto [top, bottom] = std::minmax({a.at.y(), b.at.y()});
    std::vector<LinePart> dashes, covers;
    for (const uint32_t index : m_index.Along(a.at, b.at)) {
        const Polygon& polygon = m_polygons[index];
        LinePart part;
        const bool apart = polygon.right < left || polygon.left > right || polygon.bottom < top ||
                           polygon.top > bottom;
        if (!apart && Behind(polygon, a, b, part)) {
            (m_coverAll || polygon.occlusion == Occlusion::kCovers ? covers : dashes)
                .push_back(part);
        }
    }
    const double gap = kShortestPart / length;
    const std::vector<LinePart> covered = Joined(std::move(covers), gap);
    const std::vector<LinePart> hidden = Joined(std::move(dashes), gap);
    SplitLine split;
    split.visible = Without(Rest(hidden, gap), covered, gap);
    split.dashed = Without(hidden, covered, gap);
    return split;
}

bool HiddenLineSplitter::Covers(const ScreenPoint& p) const {
    // A probe long enough that its parts are not dropped as too short.
    const SplitLine split = Split(p, {p.at + QPointF(4.0 * kShortestPart, 0.0), p.depth});
    return split.visible.empty() && split.dashed.empty();
}

}  // namespace velnor
