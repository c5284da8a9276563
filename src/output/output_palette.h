#pragma once

#include <QColor>

#include "model/color.h"
#include "view/qt_colour.h"

namespace velnor {

class CGlModel;

// The colours a drawing of the figure uses. On screen and in exported files they are the scene's
// own; on paper the background is white, colours that would vanish on it are darkened, and the
// 黑白 scheme prints everything black.
class OutputPalette {
public:
    static OutputPalette Screen(const CGlModel& settings);
    static OutputPalette Paper(const CGlModel& settings);

    QColor Background() const { return m_background; }
    // A line, label, text or dot.
    QColor Ink(Rgb color) const { return Ink(ToQColor(color)); }
    QColor Ink(const QColor& color) const;
    // A painted face or solid.
    QColor Fill(const QColor& color) const;

private:
    enum class Mode { kScreen, kPaper, kMonochrome };
    OutputPalette(Mode mode, QColor background) : m_mode(mode), m_background(background) {}

    Mode m_mode;
    QColor m_background;
};

// The 黑白 scheme of the colour dialog: a white background and black lines, labels and texts.
bool IsBlackAndWhiteScheme(const CGlModel& settings);

}  // namespace velnor
