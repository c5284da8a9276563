#include "output/tikz_canvas.h"

#include <QRegularExpression>

#include <algorithm>

#include "output/decimal_text.h"
#include "output/label_text.h"
#include "output/output_grid.h"
#include "output/tex_text.h"

namespace velnor {

namespace {

constexpr double kPointsPerCm = 72.27 / 2.54;
// A hundredth of a millimetre.
constexpr int kCmPlaces = 3;
constexpr int kPtPlaces = 2;
// The hairline that closes the seams between neighbouring facets, in pixels.
constexpr double kSeamWidth = 0.5;

bool HasMoreThanAscii(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x80; });
}

}  // namespace

TikzCanvas::TikzCanvas(QSize size, double centimetresPerPixel, int labelPixels)
    : m_size(size), m_cmPerPixel(centimetresPerPixel), m_labelPixels(labelPixels) {}

double TikzCanvas::WidthCm() const {
    return m_size.width() * m_cmPerPixel;
}

double TikzCanvas::HeightCm() const {
    return m_size.height() * m_cmPerPixel;
}

void TikzCanvas::Coordinate(const QPointF& p) {
    const QPointF on = output_grid::Point(p);
    m_body += '(';
    AppendDecimal(m_body, on.x() * m_cmPerPixel, kCmPlaces);
    m_body += ',';
    AppendDecimal(m_body, (m_size.height() - on.y()) * m_cmPerPixel, kCmPlaces);
    m_body += ')';
}

void TikzCanvas::Length(double pixels) {
    AppendDecimal(m_body, pixels * m_cmPerPixel * kPointsPerCm, kPtPlaces);
    m_body += "pt";
}

std::string TikzCanvas::ColourName(const QColor& color) {
    const QRgb rgb = color.rgb();
    const auto known = m_colours.find(rgb);
    if (known != m_colours.end()) {
        return known->second;
    }
    const std::string name = "c" + std::to_string(m_colours.size() + 1);
    m_colourDefinitions += "\\definecolor{" + name + "}{RGB}{" + std::to_string(qRed(rgb)) + ',' +
                           std::to_string(qGreen(rgb)) + ',' + std::to_string(qBlue(rgb)) + "}\n";
    m_colours.emplace(rgb, name);
    return name;
}

void TikzCanvas::BeginLayer(FigureLayer layer) {
    m_wanted = layer;
}

// Scopes open with their first path, so that an empty layer leaves none.
void TikzCanvas::Scope() {
    if (m_written == m_wanted) {
        return;
    }
    if (m_written) {
        m_body += "\\end{scope}\n";
    }
    m_written = m_wanted;
    m_body +=
        m_wanted == FigureLayer::kHiddenLines ? "\\begin{scope}[hidden] % " : "\\begin{scope} % ";
    m_body += LayerName(m_wanted);
    m_body += '\n';
}

// A solid colour also draws its outline with a hairline, which closes the seams a viewer
// leaves between neighbouring facets. A pattern of the view (the stipple of selected faces)
// becomes a half-transparent fill.
void TikzCanvas::FillCommand(const QBrush& brush) {
    Scope();
    const QColor color = brush.color();
    const double opacity = color.alphaF() * (brush.style() == Qt::SolidPattern ? 1.0 : 0.5);
    if (opacity < 1.0) {
        m_body += "\\fill[" + ColourName(color) + ", fill opacity=";
        AppendDecimal(m_body, opacity, kPtPlaces);
        m_body += "] ";
    } else {
        m_body += "\\filldraw[" + ColourName(color) + ", seam] ";
    }
}

void TikzCanvas::Fill(const QPainterPath& shape, const QBrush& brush) {
    FillCommand(brush);
    for (int i = 0; i < shape.elementCount(); ++i) {
        const QPainterPath::Element e = shape.elementAt(i);
        switch (e.type) {
            case QPainterPath::MoveToElement:
                m_body += i > 0 ? " -- cycle " : "";
                break;
            case QPainterPath::LineToElement:
                m_body += " -- ";
                break;
            case QPainterPath::CurveToElement:
                m_body += " .. controls ";
                break;
            case QPainterPath::CurveToDataElement:
                m_body +=
                    shape.elementAt(i - 1).type == QPainterPath::CurveToElement ? " and " : " .. ";
                break;
        }
        Coordinate(e);
    }
    m_body += " -- cycle;\n";
}

void TikzCanvas::Fill(const QPolygonF& polygon, const QBrush& brush) {
    FillCommand(brush);
    for (const QPointF& p : polygon) {
        Coordinate(p);
        m_body += " -- ";
    }
    m_body += "cycle;\n";
}

void TikzCanvas::Stroke(const QPolygonF& line, const QColor& color, double width, bool) {
    Scope();
    m_body += "\\draw[" + ColourName(color) + ", line width=";
    Length(width);
    m_body += "] ";
    const QPolygonF points = line.size() == 2 ? line : output_grid::Polyline(line);
    for (qsizetype i = 0; i < points.size(); ++i) {
        if (i > 0) {
            m_body += " -- ";
        }
        Coordinate(points[i]);
    }
    m_body += ";\n";
}

void TikzCanvas::Dot(const QPointF& centre, double radius, const QColor& color) {
    Scope();
    m_body += "\\fill[" + ColourName(color) + "] ";
    Coordinate(centre);
    m_body += " circle[radius=";
    AppendDecimal(m_body, radius * m_cmPerPixel, kCmPlaces);
    m_body += "];\n";
}

// A vertex label in math mode, its lowered digits as a subscript: $A_{1}$. Any other text as
// text, its letters in italics.
void TikzCanvas::Text(const FigureText& text, const LabelFont&, bool isLabel) {
    if (text.runs.empty()) {
        return;
    }
    Scope();
    const bool math = isLabel && std::all_of(text.runs.begin(), text.runs.end(),
                                             [](const TextRun& r) { return IsPlainMath(r.text); });
    m_body += math ? "\\node[vertex label, text=" : "\\node[figure text, text=";
    m_body += ColourName(text.color);
    // A text the view moved in from the right edge keeps its right end there, whatever the
    // width of TeX's letters.
    const double right = text.at.x() + text.width;
    if (right >= m_size.width() - 1.0) {
        m_body += ", anchor=base east] at ";
        Coordinate(QPointF(right, text.at.y()));
    } else {
        m_body += "] at ";
        Coordinate(text.at);
    }
    m_body += math ? " {$" : " {";
    for (const TextRun& run : text.runs) {
        m_needsXeTeX = m_needsXeTeX || HasMoreThanAscii(run.text);
        if (math) {
            const std::string plain = run.text.trimmed().toStdString();
            const bool subscript =
                run.lowered > 0.0 && plain.find_first_not_of('\'') != std::string::npos;
            m_body += subscript ? "_{" + plain + '}' : plain;
        } else if (!run.small) {
            m_body += "\\textit{";
            AppendTexText(m_body, run.text);
            m_body += '}';
        } else {
            AppendTexText(m_body, run.text);
        }
    }
    m_body += math ? "$};\n" : "};\n";
}

std::string TikzCanvas::Picture() const {
    std::string picture = "\\begin{tikzpicture}[line cap=butt, line join=miter,\n";
    const auto style = [&](const char* name, const std::string& keys) {
        picture += std::string("    ") + name + "/.style={" + keys + "},\n";
    };
    const auto points = [&](double pixels) {
        std::string pt;
        AppendDecimal(pt, pixels * m_cmPerPixel * kPointsPerCm, kPtPlaces);
        return pt + "pt";
    };
    const auto font = [&](double pixels) {
        return "\\fontsize{" + points(pixels) + "}{" + points(pixels * 1.2) + "}\\selectfont";
    };
    style("hidden", "dash pattern=on " + points(kDashOn) + " off " + points(kDashOff));
    style("seam", "line width=" + points(kSeamWidth) + ", line join=round");
    // The label font: letters bold italic, digits and signs upright at 0.8 of the size.
    style("vertex label", "anchor=base west, inner sep=0pt, font=" + font(m_labelPixels));
    style("figure text",
          "anchor=base west, inner sep=0pt, font=\\bfseries" + font(m_labelPixels * 0.8));
    picture += "]\n" + m_colourDefinitions;
    std::string frame;
    AppendDecimal(frame, WidthCm(), kCmPlaces);
    frame += ',';
    AppendDecimal(frame, HeightCm(), kCmPlaces);
    picture += "\\useasboundingbox (0,0) rectangle (" + frame + ");\n";
    picture += "\\clip (0,0) rectangle (" + frame + ");\n";
    picture += m_body;
    if (m_written) {
        picture += "\\end{scope}\n";
    }
    return picture + "\\end{tikzpicture}\n";
}

std::string StandaloneTikzDocument(const TikzCanvas& canvas, const QString& title) {
    std::string document = "% ";
    // A comment ends at the line's end; control characters would end it early.
    document +=
        QString(title)
            .replace(QRegularExpression(QStringLiteral("[\\x00-\\x1f\\x7f]+")), QStringLiteral(" "))
            .toStdString();
    document += canvas.NeedsXeTeX() ? "\n% Compile with xelatex: the figure holds Chinese text.\n"
                                    : "\n% Compiles with pdflatex or xelatex.\n";
    document += "\\RequirePackage{fix-cm}\n\\documentclass{article}\n";
    document += "\\usepackage[paperwidth=";
    AppendDecimal(document, canvas.WidthCm(), kCmPlaces);
    document += "cm,paperheight=";
    AppendDecimal(document, canvas.HeightCm(), kCmPlaces);
    document += "cm,margin=0pt]{geometry}\n";
    // Times, whose letters are as wide as those of the view's label font; XeLaTeX takes the
    // fonts ctex chooses.
    document += canvas.NeedsXeTeX() ? "\\usepackage[UTF8]{ctex}\n" : "\\usepackage{mathptmx}\n";
    document +=
        "\\usepackage{tikz}\n\\pagestyle{empty}\n\\setlength{\\parindent}{0pt}\n"
        "\\setlength{\\topskip}{0pt}\n\\begin{document}\n";
    return document + canvas.Picture() + "\\end{document}\n";
}

}  // namespace velnor
