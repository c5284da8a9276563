#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <vector>

namespace velnor {

class LabelFont;

// The parts of a drawing a person may want to hide or restyle together; a file writes each as
// a group of its own.
enum class FigureLayer {
    kAxes,
    kFaces,
    kSolids,
    kHiddenLines,
    kVisibleLines,
    kImages,
    kPoints,
    kLabels,
    kTexts,
};

// The layer's name as files written by us call its group.
constexpr const char* LayerName(FigureLayer layer) {
    switch (layer) {
        case FigureLayer::kAxes:
            return "axes";
        case FigureLayer::kFaces:
            return "faces";
        case FigureLayer::kSolids:
            return "solids";
        case FigureLayer::kHiddenLines:
            return "hidden-lines";
        case FigureLayer::kVisibleLines:
            return "visible-lines";
        case FigureLayer::kImages:
            return "images";
        case FigureLayer::kPoints:
            return "points";
        case FigureLayer::kLabels:
            return "labels";
        case FigureLayer::kTexts:
            return "texts";
    }
    return "figure";
}

// A piece of a label or text in one face of the label font: letters, or the smaller upright
// digits, blanks and signs, perhaps lowered below the baseline.
struct TextRun {
    QString text;
    bool small = false;
    double x = 0.0;        // from the start of the text, in drawing units
    double lowered = 0.0;  // below the baseline
};

// One label or text, whole: its baseline starts at `at`.
struct FigureText {
    QPointF at;
    std::vector<TextRun> runs;
    QColor color;
    double width = 0.0;
};

// What the vector figure draws on, in drawing units (pixels of the view, y downwards): a
// painter for PDF and print, or a file written by us (SVG, TikZ).
class FigureCanvas {
public:
    virtual ~FigureCanvas() = default;

    virtual void Background(const QRectF& area, const QColor& color) = 0;
    // What follows belongs to `layer`, until the next call.
    virtual void BeginLayer(FigureLayer layer) = 0;
    // A filled shape by the non-zero rule. A solid colour fills without seams between
    // neighbouring shapes.
    virtual void Fill(const QPainterPath& shape, const QBrush& brush) = 0;
    virtual void Fill(const QPolygonF& polygon, const QBrush& brush) = 0;
    virtual void Stroke(const QPolygonF& line, const QColor& color, double width, bool dashed) = 0;
    virtual void Dot(const QPointF& centre, double radius, const QColor& color) = 0;
    virtual void Text(const FigureText& text, const LabelFont& font, bool isLabel) = 0;
    virtual void Image(const QRectF& place, const QImage& image) = 0;
};

// The view's line stipple 0x03FF: ten pixels drawn, six left out.
inline constexpr double kDashOn = 10.0;
inline constexpr double kDashOff = 6.0;

}  // namespace velnor
