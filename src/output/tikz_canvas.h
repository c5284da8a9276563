#pragma once

#include <QSize>
#include <QString>

#include <map>
#include <optional>
#include <string>

#include "output/figure_canvas.h"

namespace velnor {

// The figure written as a TikZ picture for LaTeX: coordinates in centimetres with the origin at
// the lower left corner, colours by \definecolor, hidden lines in the `hidden` style, labels in
// math mode, each layer a scope. The background is the paper's. Bitmap texts are left out: TikZ
// takes pictures only from files.
class TikzCanvas : public FigureCanvas {
public:
    // `centimetresPerPixel`: how large a pixel of the view comes out on paper; labels are
    // `labelPixels` high in the view.
    TikzCanvas(QSize size, double centimetresPerPixel, int labelPixels);

    void Background(const QRectF&, const QColor&) override {}
    void BeginLayer(FigureLayer layer) override;
    void Fill(const QPainterPath& shape, const QBrush& brush) override;
    void Fill(const QPolygonF& polygon, const QBrush& brush) override;
    void Stroke(const QPolygonF& line, const QColor& color, double width, bool dashed) override;
    void Dot(const QPointF& centre, double radius, const QColor& color) override;
    void Text(const FigureText& text, const LabelFont& font, bool isLabel) override;
    void Image(const QRectF&, const QImage&) override {}

    // The tikzpicture environment, to \input into a document.
    std::string Picture() const;
    // Whether a text holds more than ASCII, as Chinese does: then the document needs XeLaTeX.
    bool NeedsXeTeX() const { return m_needsXeTeX; }
    double WidthCm() const;
    double HeightCm() const;

private:
    void Scope();
    void Coordinate(const QPointF& p);
    void Length(double pixels);
    std::string ColourName(const QColor& color);
    void FillCommand(const QBrush& brush);

    QSize m_size;
    double m_cmPerPixel;
    int m_labelPixels;
    bool m_needsXeTeX = false;
    FigureLayer m_wanted = FigureLayer::kFaces;
    std::optional<FigureLayer> m_written;
    std::map<QRgb, std::string> m_colours;
    std::string m_colourDefinitions;
    std::string m_body;
};

// A LaTeX document holding only the picture, on a page of its size: for pdfLaTeX, or, when
// the canvas needs it, for XeLaTeX with the Chinese fonts of ctex.
std::string StandaloneTikzDocument(const TikzCanvas& canvas, const QString& title);

}  // namespace velnor
