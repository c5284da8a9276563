#pragma once

#include <QColor>
#include <QPointF>

#include <string_view>

class QPainter;

namespace velnor {

// Writes `text` as real text with its baseline starting at `at`, in the label font of
// `pixelSize`: letters bold italic, digits, blanks and punctuation upright at 0.8 of the size.
// Vertex labels lower those small runs a little (`lowerSmallRuns`), so that A1 reads as an italic
// A with a small 1 below the line.
void DrawLabelText(QPainter& painter, QPointF at, std::string_view text, int pixelSize,
                   const QColor& color, bool lowerSmallRuns);

}  // namespace velnor
