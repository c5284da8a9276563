#include "output/svg_canvas.h"

#include <QBuffer>

#include "output/decimal_text.h"
#include "output/label_text.h"
#include "output/output_grid.h"
#include "output/xml_text.h"

namespace velnor {

namespace {

// Browsers and editors take a pixel as 1/96 inch.
constexpr double kMillimetresPerPixel = 25.4 / 96.0;
// Coordinates lie on the output grid of a quarter pixel; the size in millimetres keeps enough
// places that a reader gets back the whole pixels.
constexpr int kPlaces = 2;
constexpr int kMillimetrePlaces = 4;

}  // namespace

SvgCanvas::SvgCanvas(QSize size, const QString& title) {
    m_svg += R"(<?xml version="1.0" encoding="UTF-8"?>)"
             "\n"
             R"(<svg xmlns="http://www.w3.org/2000/svg" )"
             R"(xmlns:xlink="http://www.w3.org/1999/xlink" version="1.1" width=")";
    AppendDecimal(m_svg, size.width() * kMillimetresPerPixel, kMillimetrePlaces);
    m_svg += R"(mm" height=")";
    AppendDecimal(m_svg, size.height() * kMillimetresPerPixel, kMillimetrePlaces);
    m_svg += R"(mm" viewBox="0 0 )" + std::to_string(size.width()) + ' ' +
             std::to_string(size.height()) + "\">\n<title>";
    AppendXmlText(m_svg, title);
    m_svg += "</title>\n";
}

// ` name="value"`, the value on the output grid's places.
void SvgCanvas::Attribute(const char* name, double value) {
    m_svg += ' ';
    m_svg += name;
    m_svg += "=\"";
    AppendDecimal(m_svg, value, kPlaces);
    m_svg += '"';
}

void SvgCanvas::Attribute(const char* name, const QColor& color) {
    m_svg += ' ';
    m_svg += name;
    m_svg += "=\"" + color.name(QColor::HexRgb).toStdString() + '"';
}

void SvgCanvas::Points(const QPolygonF& points) {
    m_svg += R"( points=")";
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPointF on = output_grid::Point(points[i]);
        if (i > 0) {
            m_svg += ' ';
        }
        AppendDecimal(m_svg, on.x(), kPlaces);
        m_svg += ',';
        AppendDecimal(m_svg, on.y(), kPlaces);
    }
    m_svg += '"';
}

void SvgCanvas::Background(const QRectF& area, const QColor& color) {
    m_svg += R"(<rect id="background")";
    Attribute("x", area.x());
    Attribute("y", area.y());
    Attribute("width", area.width());
    Attribute("height", area.height());
    Attribute("fill", color);
    m_svg += "/>\n";
}

void SvgCanvas::BeginLayer(FigureLayer layer) {
    m_wanted = layer;
}

// Groups open with their first element, so that a layer with nothing in it leaves no group.
void SvgCanvas::Group() {
    if (m_written == m_wanted) {
        return;
    }
    if (m_written) {
        m_svg += "</g>\n";
    }
    m_written = m_wanted;
    const FigureLayer layer = m_wanted;
    // A layer drawn again further up the depth order is a second group of the same class.
    const std::string name = LayerName(layer);
    std::string id = name;
    for (int n = 2; m_usedIds.contains(id); ++n) {
        id = name + '-' + std::to_string(n);
    }
    m_usedIds.insert(id);
    m_svg += R"(<g id=")" + id + R"(" class=")" + name + '"';
    if (layer == FigureLayer::kHiddenLines) {
        m_svg += R"( stroke-dasharray=")";
        AppendDecimal(m_svg, kDashOn, kPlaces);
        m_svg += ' ';
        AppendDecimal(m_svg, kDashOff, kPlaces);
        m_svg += '"';
    }
    if (layer == FigureLayer::kHiddenLines || layer == FigureLayer::kVisibleLines ||
        layer == FigureLayer::kAxes) {
        m_svg += R"( fill="none" stroke-linecap="butt" stroke-linejoin="miter")";
    }
    m_svg += ">\n";
}

// A solid colour also strokes its own outline with a hairline, which closes the seams a
// browser leaves between neighbouring facets. A pattern of the view (the stipple of selected
// faces) becomes a half-transparent fill.
void SvgCanvas::FillAttributes(const QBrush& brush) {
    const QColor color = brush.color();
    Attribute("fill", color);
    const double opacity = color.alphaF() * (brush.style() == Qt::SolidPattern ? 1.0 : 0.5);
    if (opacity < 1.0) {
        Attribute("fill-opacity", opacity);
    } else {
        Attribute("stroke", color);
        m_svg += R"( stroke-width="0.5" stroke-linejoin="round")";
    }
    m_svg += "/>\n";
}

void SvgCanvas::Fill(const QPainterPath& shape, const QBrush& brush) {
    Group();
    m_svg += R"(<path d=")";
    for (int i = 0; i < shape.elementCount(); ++i) {
        const QPainterPath::Element e = shape.elementAt(i);
        switch (e.type) {
            case QPainterPath::MoveToElement:
                m_svg += i > 0 ? "ZM" : "M";
                break;
            case QPainterPath::LineToElement:
                m_svg += 'L';
                break;
            case QPainterPath::CurveToElement:
                m_svg += 'C';
                break;
            case QPainterPath::CurveToDataElement:
                m_svg += ' ';
                break;
        }
        const QPointF on = output_grid::Point(e);
        AppendDecimal(m_svg, on.x(), kPlaces);
        m_svg += ',';
        AppendDecimal(m_svg, on.y(), kPlaces);
    }
    m_svg += "Z\"";
    FillAttributes(brush);
}

void SvgCanvas::Fill(const QPolygonF& polygon, const QBrush& brush) {
    Group();
    m_svg += "<polygon";
    Points(polygon);
    FillAttributes(brush);
}

void SvgCanvas::Stroke(const QPolygonF& line, const QColor& color, double width, bool) {
    Group();
    if (line.size() == 2) {
        const QPointF a = output_grid::Point(line[0]), b = output_grid::Point(line[1]);
        m_svg += "<line";
        Attribute("x1", a.x());
        Attribute("y1", a.y());
        Attribute("x2", b.x());
        Attribute("y2", b.y());
    } else {
        m_svg += "<polyline";
        Points(output_grid::Polyline(line));
    }
    Attribute("stroke", color);
    Attribute("stroke-width", width);
    m_svg += "/>\n";
}

void SvgCanvas::Dot(const QPointF& centre, double radius, const QColor& color) {
    Group();
    m_svg += "<circle";
    Attribute("cx", centre.x());
    Attribute("cy", centre.y());
    Attribute("r", radius);
    Attribute("fill", color);
    m_svg += "/>\n";
}

// One <text> in the letters' face; each run a <tspan> at its place, the small ones upright
// at their own size.
void SvgCanvas::Text(const FigureText& text, const LabelFont& font, bool) {
    if (text.runs.empty()) {
        return;
    }
    Group();
    const QFont& letters = font.Face(false);
    m_svg += "<text";
    Attribute("x", text.at.x());
    Attribute("y", text.at.y());
    m_svg += R"( xml:space="preserve" font-family=")";
    AppendXmlText(m_svg, letters.family());
    m_svg += R"(, serif")";
    Attribute("font-size", letters.pixelSize());
    m_svg += R"( font-weight="bold" font-style="italic")";
    Attribute("fill", text.color);
    m_svg += '>';
    for (const TextRun& run : text.runs) {
        m_svg += "<tspan";
        Attribute("x", text.at.x() + run.x);
        Attribute("y", text.at.y() + run.lowered);
        if (run.small) {
            Attribute("font-size", font.Face(true).pixelSize());
            m_svg += R"( font-style="normal")";
        }
        m_svg += '>';
        AppendXmlText(m_svg, run.text);
        m_svg += "</tspan>";
    }
    m_svg += "</text>\n";
}

void SvgCanvas::Image(const QRectF& place, const QImage& image) {
    Group();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    m_svg += "<image";
    Attribute("x", place.x());
    Attribute("y", place.y());
    Attribute("width", place.width());
    Attribute("height", place.height());
    m_svg += R"( preserveAspectRatio="none" xlink:href="data:image/png;base64,)" +
             png.data().toBase64().toStdString() + "\"/>\n";
}

std::string SvgCanvas::Finish() {
    if (m_written) {
        m_svg += "</g>\n";
    }
    m_svg += "</svg>\n";
    return std::move(m_svg);
}

}  // namespace velnor
