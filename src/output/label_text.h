#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QString>

#include <string_view>

class QPainter;

namespace velnor {

// The label font at one pixel size: letters bold italic; digits, blanks and punctuation upright
// at 0.8 of the size. Made once for a figure, since finding a font costs more than its text.
class LabelFont {
public:
    explicit LabelFont(int pixelSize);

    // Writes `text` as real text with its baseline starting at `at`. Vertex labels lower the
    // small runs a little (`lowerSmallRuns`), so that A1 reads as an italic A with a small 1
    // below the line. Leaves the painter's pen and font set: a PDF writes out again all that a
    // restore brings back, so the caller keeps one save around many labels.
    void Draw(QPainter& painter, QPointF at, std::string_view text, const QColor& color,
              bool lowerSmallRuns) const;

private:
    double Advance(const QString& run, bool small) const;

    int m_pixelSize;
    QFont m_letters, m_small;
    QFontMetricsF m_lettersMetrics, m_smallMetrics;
    // Labels repeat a few letters and digits over and over; shaping each again is the cost.
    mutable QHash<QString, double> m_lettersAdvances, m_smallAdvances;
};

}  // namespace velnor
