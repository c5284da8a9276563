#pragma once

#include <QSize>
#include <QString>

#include <optional>
#include <set>
#include <string>

#include "output/figure_canvas.h"

namespace velnor {

// The figure written as SVG by us, for a person to edit: sized in millimetres at 96 dpi, each
// layer a group with an id, hidden lines dashed by their group, each label or text one <text>.
class SvgCanvas : public FigureCanvas {
public:
    SvgCanvas(QSize size, const QString& title);

    void Background(const QRectF& area, const QColor& color) override;
    void BeginLayer(FigureLayer layer) override;
    void Fill(const QPainterPath& shape, const QBrush& brush) override;
    void Fill(const QPolygonF& polygon, const QBrush& brush) override;
    void Stroke(const QPolygonF& line, const QColor& color, double width, bool dashed) override;
    void Dot(const QPointF& centre, double radius, const QColor& color) override;
    void Text(const FigureText& text, const LabelFont& font, bool isLabel) override;
    void Image(const QRectF& place, const QImage& image) override;

    // The whole document; the canvas takes nothing more after it.
    std::string Finish();

private:
    void Group();
    void Attribute(const char* name, double value);
    void Attribute(const char* name, const QColor& color);
    void Points(const QPolygonF& points);
    void FillAttributes(const QBrush& brush);

    std::string m_svg;
    FigureLayer m_wanted = FigureLayer::kFaces;
    std::optional<FigureLayer> m_written;
    std::set<std::string> m_usedIds;
};

}  // namespace velnor
