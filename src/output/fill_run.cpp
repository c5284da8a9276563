#include "output/fill_run.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <span>
#include <unordered_map>
#include <utility>

#include "output/drawing_plane.h"
#include "output/figure_canvas.h"

namespace velnor {

namespace {

// A corner as the exact bits of its coordinates: neighbouring facets share corners computed
// alike, so equal corners are equal to the bit.
struct Corner {
    uint64_t x, y;

    explicit Corner(const QPointF& p)
        : x(std::bit_cast<uint64_t>(p.x() + 0.0)), y(std::bit_cast<uint64_t>(p.y() + 0.0)) {}
    QPointF At() const { return {std::bit_cast<double>(x), std::bit_cast<double>(y)}; }
    bool operator==(const Corner&) const = default;
};

struct Edge {
    Corner from, to;
    bool operator==(const Edge&) const = default;
};

uint64_t Mixed(uint64_t h, uint64_t v) {
    return h ^ (v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2));
}

struct CornerHash {
    size_t operator()(const Corner& c) const { return Mixed(c.x, c.y); }
};

struct EdgeHash {
    size_t operator()(const Edge& e) const {
        return Mixed(Mixed(e.from.x, e.from.y), Mixed(e.to.x, e.to.y));
    }
};

}  // namespace

QPainterPath UnionOutline(const std::vector<QPolygonF>& polygons) {
    // The directed edges no neighbour has cancelled, with how many times each is left.
    std::unordered_map<Edge, int, EdgeHash> left;
    for (QPolygonF polygon : polygons) {
        const double area =
            SignedArea(std::span<const QPointF>(polygon.constData(), polygon.size()));
        if (area == 0.0) {
            continue;
        }
        if (area < 0.0) {
            std::reverse(polygon.begin(), polygon.end());
        }
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const Corner a(polygon[i]), b(polygon[(i + 1) % polygon.size()]);
            if (a == b) {
                continue;
            }
            const auto reverse = left.find(Edge{b, a});
            if (reverse == left.end()) {
                ++left[Edge{a, b}];
            } else if (--reverse->second == 0) {
                left.erase(reverse);
            }
        }
    }
    std::unordered_multimap<Corner, Corner, CornerHash> onward;
    for (const auto& [edge, count] : left) {
        for (int i = 0; i < count; ++i) {
            onward.emplace(edge.from, edge.to);
        }
    }
    // As many edges leave each corner as reach it, so a walk along unused edges can only stop
    // where it started.
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    while (!onward.empty()) {
        const Corner start = onward.begin()->first;
        Corner at = start;
        outline.moveTo(start.At());
        for (auto next = onward.find(at); next != onward.end(); next = onward.find(at)) {
            at = next->second;
            onward.erase(next);
            outline.lineTo(at.At());
            if (at == start) {
                break;
            }
        }
        outline.closeSubpath();
    }
    return outline;
}

bool FillRun::Takes(const QBrush& brush) const {
    return brush.isOpaque() && (m_polygons.empty() || brush == m_brush);
}

void FillRun::Add(const QBrush& brush, const QPolygonF& outline) {
    m_brush = brush;
    m_polygons.push_back(outline);
}

void FillRun::Paint(FigureCanvas& canvas) {
    if (m_polygons.empty()) {
        return;
    }
    if (m_polygons.size() == 1) {
        canvas.Fill(m_polygons.front(), m_brush);
    } else {
        canvas.Fill(UnionOutline(m_polygons), m_brush);
    }
    m_polygons.clear();
}

}  // namespace velnor
