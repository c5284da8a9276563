#include "output/line_strokes.h"

#include <QLineF>
#include <QPainter>
#include <QPen>

#include <algorithm>

#include "output/figure_parts.h"
#include "output/output_grid.h"

namespace velnor {

namespace {

// The view's line stipple 0x03FF: ten pixels drawn, six left out.
constexpr double kDashOn = 10.0;
constexpr double kDashOff = 6.0;

QPen LinePen(const QColor& color, double width, bool dashed) {
    QPen pen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (dashed) {
        pen.setDashPattern({kDashOn / width, kDashOff / width});
    }
    return pen;
}

// Adds a piece, extending the last stroke where the piece continues it.
void AddPiece(std::vector<Stroke>& strokes, const QLineF& piece, const QColor& color,
              bool follows) {
    if (follows && !strokes.empty() && strokes.back().color == color &&
        QLineF(strokes.back().points.last(), piece.p1()).length() < 1e-6) {
        strokes.back().points << piece.p2();
    } else {
        strokes.push_back({QPolygonF{piece.p1(), piece.p2()}, color});
    }
}

QColor Blend(const QColor& from, const QColor& to, double t) {
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
}

// A piece of a segment whose colour runs from `from` at its start to `to` at its end, as steps
// of a few pixels each: SVG pens take no gradient. A dashed piece keeps one colour, its middle's,
// or the steps would break the dashes.
void AddBlendedPiece(std::vector<Stroke>& strokes, const QLineF& piece, const QColor& from,
                     const QColor& to, bool dashed) {
    constexpr double kStepPixels = 6.0;
    constexpr int kMostSteps = 48;
    const int steps =
        dashed ? 1 : std::clamp(static_cast<int>(piece.length() / kStepPixels), 1, kMostSteps);
    for (int i = 0; i < steps; ++i) {
        const double t0 = static_cast<double>(i) / steps;
        const double t1 = static_cast<double>(i + 1) / steps;
        strokes.push_back(
            {QPolygonF{piece.pointAt(t0), piece.pointAt(t1)}, Blend(from, to, (t0 + t1) / 2.0)});
    }
}

}  // namespace

LineStrokes StrokesOf(const FigureParts& parts) {
    LineStrokes strokes;
    auto& [dashes, solids] = strokes;
    for (const StrokedSegment& s : parts.segments) {
        const SplitLine split = parts.surfaces.Split(s.a, s.b);
        const QLineF whole(s.a.at, s.b.at);
        const auto add = [&](std::vector<Stroke>& to, const LinePart& part) {
            const QLineF piece(whole.pointAt(part.from), whole.pointAt(part.to));
            if (s.endColor.isValid()) {
                AddBlendedPiece(to, piece, Blend(s.color, s.endColor, part.from),
                                Blend(s.color, s.endColor, part.to), &to == &dashes);
            } else {
                AddPiece(to, piece, s.color, s.followsPrevious && part.from == 0.0);
            }
        };
        for (const LinePart& part : split.visible) {
            add(solids, part);
        }
        if (s.dashedWhereHidden) {
            for (const LinePart& part : split.dashed) {
                add(dashes, part);
            }
        }
    }
    return strokes;
}

void PaintStrokes(QPainter& painter, const LineStrokes& strokes, double width) {
    painter.setBrush(Qt::NoBrush);
    for (const auto* run : {&strokes.dashes, &strokes.solids}) {
        const bool dashed = run == &strokes.dashes;
        for (const Stroke& stroke : *run) {
            painter.setPen(LinePen(stroke.color, width, dashed));
            if (stroke.points.size() == 2) {
                painter.drawLine(output_grid::Point(stroke.points[0]),
                                 output_grid::Point(stroke.points[1]));
            } else {
                painter.drawPolyline(output_grid::Polyline(stroke.points));
            }
        }
    }
}

}  // namespace velnor
