#include "output/output_grid.h"

#include <QLineF>

#include <cmath>
#include <utility>
#include <vector>

namespace velnor::output_grid {

namespace {

constexpr double kStepsPerPixel = 4.0;

double Snapped(double pixels) {
    return std::round(pixels * kStepsPerPixel) / kStepsPerPixel;
}

}  // namespace

QPointF Point(const QPointF& p) {
    return {Snapped(p.x()), Snapped(p.y())};
}

QPolygonF Polygon(const QPolygonF& polygon) {
    QPolygonF snapped;
    snapped.reserve(polygon.size());
    for (const QPointF& p : polygon) {
        snapped << Point(p);
    }
    return snapped;
}

QPainterPath Path(const QPainterPath& path) {
    QPainterPath snapped = path;
    for (int i = 0; i < snapped.elementCount(); ++i) {
        const QPainterPath::Element e = snapped.elementAt(i);
        snapped.setElementPositionAt(i, Snapped(e.x), Snapped(e.y));
    }
    return snapped;
}

QPolygonF Polyline(const QPolygonF& line) {
    if (line.size() < 3) {
        return Polygon(line);
    }
    // Douglas-Peucker: keep the corner farthest from each chord while it is farther than the
    // tolerance, then look at the two halves.
    constexpr double kTolerance = 0.5 / kStepsPerPixel;
    std::vector<bool> kept(static_cast<size_t>(line.size()), false);
    kept.front() = kept.back() = true;
    std::vector<std::pair<qsizetype, qsizetype>> chords{{0, line.size() - 1}};
    while (!chords.empty()) {
        const auto [first, last] = chords.back();
        chords.pop_back();
        const QLineF chord(line[first], line[last]);
        const double length = chord.length();
        double farthest = kTolerance;
        qsizetype corner = -1;
        for (qsizetype i = first + 1; i < last; ++i) {
            const QPointF d = line[i] - chord.p1();
            const double distance =
                length > 0.0 ? std::fabs(chord.dx() * d.y() - chord.dy() * d.x()) / length
                             : std::hypot(d.x(), d.y());
            if (distance > farthest) {
                farthest = distance;
                corner = i;
            }
        }
        if (corner >= 0) {
            kept[static_cast<size_t>(corner)] = true;
            chords.emplace_back(first, corner);
            chords.emplace_back(corner, last);
        }
    }
    QPolygonF snapped;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (kept[static_cast<size_t>(i)]) {
            snapped << Point(line[i]);
        }
    }
    return snapped;
}

}  // namespace velnor::output_grid
