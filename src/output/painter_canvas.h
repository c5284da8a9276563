#pragma once

#include "output/figure_canvas.h"

class QPainter;

namespace velnor {

// The figure through a QPainter: a PDF, a printer, a picture. Outlines go out on the output
// grid.
class PainterCanvas : public FigureCanvas {
public:
    explicit PainterCanvas(QPainter& painter);
    ~PainterCanvas() override;

    void Background(const QRectF& area, const QColor& color) override;
    void BeginLayer(FigureLayer) override {}
    void Fill(const QPainterPath& shape, const QBrush& brush) override;
    void Fill(const QPolygonF& polygon, const QBrush& brush) override;
    void Stroke(const QPolygonF& line, const QColor& color, double width, bool dashed) override;
    void Dot(const QPointF& centre, double radius, const QColor& color) override;
    void Text(const FigureText& text, const LabelFont& font, bool isLabel) override;
    void Image(const QRectF& place, const QImage& image) override;

private:
    void UseFillPaint(const QBrush& brush);

    QPainter& m_painter;
};

}  // namespace velnor
