#pragma once

#include <QList>
#include <QPointF>
#include <QPolygonF>

#include <vector>

#include "shapes/title_outlines.h"

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

// The two lines of the settings' title, in its font, at most `maxGlyphs1` and `maxGlyphs2`
// characters. Needs a running QGuiApplication.
std::vector<TitleLine> TitleLines(const CGlModel& settings, int maxGlyphs1, int maxGlyphs2);

// The settings' title handed to the shape module, as many characters as the view's title lists
// hold. Needs a running QGuiApplication when asked.
class QtTitleOutlines : public ITitleOutlines {
public:
    explicit QtTitleOutlines(const CGlModel& settings) : m_settings(settings) {}
    std::vector<TitleLineOutline> TitleLines() const override;

private:
    const CGlModel& m_settings;
};

}  // namespace velnor
