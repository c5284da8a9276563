#include "output/line_strokes.h"

#include <QLineF>

#include <algorithm>

#include "output/figure_canvas.h"
#include "output/figure_parts.h"

namespace velnor {

namespace {

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

void PaintStrokes(FigureCanvas& canvas, const LineStrokes& strokes, double width) {
    for (const auto* run : {&strokes.dashes, &strokes.solids}) {
        const bool dashed = run == &strokes.dashes;
        canvas.BeginLayer(dashed ? FigureLayer::kHiddenLines : FigureLayer::kVisibleLines);
        for (const Stroke& stroke : *run) {
            canvas.Stroke(stroke.points, stroke.color, width, dashed);
        }
    }
}

}  // namespace velnor
