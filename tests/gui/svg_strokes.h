#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace velnor::test {

// One straight stroke of the drawing, and whether its group is dashed.
struct Stroke {
    QPointF a, b;
    bool dashed;
};

// The strokes and texts of an SVG: lines are polylines or lines in groups that carry the dashes;
// each straight piece of one is a stroke.
struct SvgContent {
    std::vector<Stroke> strokes;
    QStringList texts;

    int Count(bool dashed) const {
        return static_cast<int>(std::count_if(strokes.begin(), strokes.end(),
                                              [&](const Stroke& s) { return s.dashed == dashed; }));
    }
};

SvgContent ReadSvg(const QString& svg);

}  // namespace velnor::test
