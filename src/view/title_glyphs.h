#pragma once

#include <QList>
#include <QPointF>
#include <QPolygonF>

#include <vector>

namespace velnor {

class CGlModel;

// One character of the 3D title: its outlines in units of an em, y upwards, and how far along
// the next character starts.
struct TitleGlyph {
    QList<QPolygonF> outlines;
    double advance = 0.0;
};

// A line of the title and where it starts in the solid's frame.
struct TitleLine {
    std::vector<TitleGlyph> glyphs;
    QPointF start;
};

// How deep the letters are, back from their front at z = 0.
inline constexpr double kTitleDepth = 0.15;

// The two lines of the settings' title, in its font, at most `maxGlyphs1` and `maxGlyphs2`
// characters. Needs a running QGuiApplication.
std::vector<TitleLine> TitleLines(const CGlModel& settings, int maxGlyphs1, int maxGlyphs2);

}  // namespace velnor
