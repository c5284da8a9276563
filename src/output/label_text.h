#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QString>

#include <string_view>

#include "output/figure_canvas.h"

namespace velnor {

// The label font at one pixel size: letters bold italic; digits, blanks and punctuation upright
// at 0.8 of the size. Made once for a figure, since finding a font costs more than its text.
class LabelFont {
public:
    explicit LabelFont(int pixelSize);

    // `text` as runs of its two faces with its baseline starting at `at`. Vertex labels lower
    // the small runs a little (`lowerSmallRuns`), so that A1 reads as an italic A with a small
    // 1 below the line.
    FigureText Layout(QPointF at, std::string_view text, const QColor& color,
                      bool lowerSmallRuns) const;

    const QFont& Face(bool small) const { return small ? m_small : m_letters; }
    int PixelSize() const { return m_pixelSize; }

private:
    double Advance(const QString& run, bool small) const;

    int m_pixelSize;
    QFont m_letters, m_small;
    QFontMetricsF m_lettersMetrics, m_smallMetrics;
    // Labels repeat a few letters and digits over and over; shaping each again is the cost.
    mutable QHash<QString, double> m_lettersAdvances, m_smallAdvances;
};

}  // namespace velnor
