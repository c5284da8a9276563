#include "output/painter_canvas.h"

#include <QPainter>
#include <QPen>

#include "output/label_text.h"
#include "output/output_grid.h"

namespace velnor {

PainterCanvas::PainterCanvas(QPainter& painter) : m_painter(painter) {
    // Pens and brushes change from shape to shape; a PDF writes out again all that a restore
    // brings back, so one save stands around the whole figure.
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
}

PainterCanvas::~PainterCanvas() {
    m_painter.restore();
}

void PainterCanvas::Background(const QRectF& area, const QColor& color) {
    m_painter.fillRect(area, color);
}

// Solid colours fill with a hairline of their own colour, which closes the seams between
// neighbouring facets.
void PainterCanvas::UseFillPaint(const QBrush& brush) {
    m_painter.setPen(brush.style() == Qt::SolidPattern
                         ? QPen(brush.color(), 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                         : QPen(Qt::NoPen));
    // The painter tells brushes apart by identity only, and a PDF writes out every new one.
    if (m_painter.brush() != brush) {
        m_painter.setBrush(brush);
    }
}

void PainterCanvas::Fill(const QPainterPath& shape, const QBrush& brush) {
    UseFillPaint(brush);
    m_painter.drawPath(output_grid::Path(shape));
}

void PainterCanvas::Fill(const QPolygonF& polygon, const QBrush& brush) {
    UseFillPaint(brush);
    m_painter.drawPolygon(output_grid::Polygon(polygon));
}

void PainterCanvas::Stroke(const QPolygonF& line, const QColor& color, double width, bool dashed) {
    QPen pen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (dashed) {
        pen.setDashPattern({kDashOn / width, kDashOff / width});
    }
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    if (line.size() == 2) {
        m_painter.drawLine(output_grid::Point(line[0]), output_grid::Point(line[1]));
    } else {
        m_painter.drawPolyline(output_grid::Polyline(line));
    }
}

void PainterCanvas::Dot(const QPointF& centre, double radius, const QColor& color) {
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(color);
    m_painter.drawEllipse(centre, radius, radius);
}

void PainterCanvas::Text(const FigureText& text, const LabelFont& font, bool) {
    m_painter.setPen(text.color);
    for (const TextRun& run : text.runs) {
        m_painter.setFont(font.Face(run.small));
        m_painter.drawText(text.at + QPointF(run.x, run.lowered), run.text);
    }
}

void PainterCanvas::Image(const QRectF& place, const QImage& image) {
    m_painter.drawImage(place, image);
}

}  // namespace velnor
