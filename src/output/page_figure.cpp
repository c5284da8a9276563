#include "output/page_figure.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <optional>

#include "model/gl_model.h"
#include "model/page.h"
#include "output/cone_outline.h"
#include "output/figure_parts.h"
#include "output/figure_style.h"
#include "output/label_text.h"
#include "output/plane_clipping.h"
#include "output/solid_figure.h"
#include "view/face_palette.h"

namespace velnor {

namespace {

constexpr double kDotDiameter = 6.0;
// The view's line stipple 0x03FF: ten pixels drawn, six left out.
constexpr double kDashOn = 10.0;
constexpr double kDashOff = 6.0;

QColor ToColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QVector3D At(const Float3& p) {
    return QVector3D(p[0], p[1], p[2]);
}

std::optional<ClipPlane> PageClip(const CGpage& page) {
    if (!page.m_bClip) {
        return std::nullopt;
    }
    return ClipPlane{page.m_clipPlane[0], page.m_clipPlane[1], page.m_clipPlane[2],
                     page.m_clipPlane[3]};
}

bool IsDrawable(const CFaceCell& face) {
    const auto verts = face.Verts();
    return !face.m_bHidden && verts.size() >= 3 &&
           std::all_of(verts.begin(), verts.end(),
                       [](uint8_t v) { return v < CGpage::kMaxVertices; });
}

// Where each selected face stands in the selection: the view numbers their palette colours so.
int SelectionNumber(const CGpage& page, uint16_t key) {
    const auto found = std::find(page.m_selFaces.begin(), page.m_selFaces.end(), key);
    return found == page.m_selFaces.end() ? -1 : static_cast<int>(found - page.m_selFaces.begin());
}

QBrush PaletteBrush(int number, const FigureStyle& style) {
    const PaletteColor& c = FacePaletteColor(number);
    return style.palette.Fill(QColor(c[0], c[1], c[2]));
}

// In fill mode every face is painted and hides lines; otherwise faces only hide them (dashed),
// and the selected ones are painted.
void AddFaces(FigureParts& parts, const CGpage& page, const SceneProjector& projector,
              const FigureStyle& style) {
    const std::optional<ClipPlane> clip = PageClip(page);
    int number = 0;
    for (const auto& [key, face] : page.m_faces) {
        if (!IsDrawable(*face)) {
            continue;
        }
        std::vector<QVector3D> corners;
        for (const uint8_t v : face->Verts()) {
            corners.push_back(At(page.m_pos[v]));
        }
        if (clip) {
            corners = ClipPolygonToPlane(corners, *clip);
        }
        QBrush brush(Qt::NoBrush);
        const int selected = SelectionNumber(page, key);
        if (page.m_bFillFaces) {
            brush = PaletteBrush(number++, style);
        } else if (selected >= 0 && style.settings.m_nFillStipple != 0) {
            brush =
                QBrush(style.palette.Fill(ToColor(style.settings.m_fillColor)), Qt::Dense4Pattern);
        } else if (selected >= 0) {
            brush = PaletteBrush(selected, style);
        }
        parts.AddSurface(projector, corners,
                         page.m_bFillFaces ? Occlusion::kCovers : Occlusion::kDashes, brush);
    }
}

// The arrow head: a cone from the end point one unit back, of radius 0.15.
void AddArrowHead(FigureParts& parts, const QVector3D& end, const QVector3D& d,
                  const SceneProjector& projector, const QColor& color) {
    if (const auto outline = ConeOutline(projector, end, d, 0.15f)) {
        parts.arrowHeads.push_back({*outline, 0.0, color});
    }
}

void AddLines(FigureParts& parts, const CGpage& page, const SceneProjector& projector,
              const FigureStyle& style) {
    const std::optional<ClipPlane> clip = PageClip(page);
    const bool dashed = !page.m_bFillFaces;
    for (const auto& [key, line] : page.m_lines) {
        if (line->m_bHidden || line->m_nStart >= CGpage::kMaxVertices ||
            line->m_nEnd >= CGpage::kMaxVertices) {
            continue;
        }
        const bool selected =
            std::find(page.m_selLines.begin(), page.m_selLines.end(), key) != page.m_selLines.end();
        const QColor color =
            style.palette.Ink(selected ? style.settings.m_selectColor : style.settings.m_lineColor);
        const QVector3D p0 = At(page.m_pos[line->m_nStart]);
        const QVector3D p1 = At(page.m_pos[line->m_nEnd]);
        const QVector3D d = p1 - p0;
        std::vector<std::pair<QVector4D, QVector4D>> pieces;
        if (line->m_nKind == kRay || line->m_nKind == kStraightLine) {
            pieces.emplace_back(QVector4D(p0, 1.0f), QVector4D(d, 0.0f));
            if (line->m_nKind == kStraightLine) {
                pieces.emplace_back(QVector4D(p0, 1.0f), QVector4D(-d, 0.0f));
            }
        } else {
            pieces.emplace_back(QVector4D(p0, 1.0f), QVector4D(p1, 1.0f));
        }
        for (auto [a, b] : pieces) {
            if (!clip || ClipSegmentToPlane(a, b, *clip)) {
                parts.AddPolyline(projector, {a, b}, color, dashed);
            }
        }
        if (line->m_nKind != kSegment && line->m_nKind != kRay && line->m_nKind != kStraightLine &&
            d.length() > 0.0f && (!clip || IsOnKeptSide(p1, *clip))) {
            AddArrowHead(parts, p1, d, projector, color);
        }
    }
}

QPen LinePen(const QColor& color, double width, bool dashed) {
    QPen pen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (dashed) {
        pen.setDashPattern({kDashOn / width, kDashOff / width});
    }
    return pen;
}

void PaintFills(QPainter& painter, std::vector<PaintedPolygon>& fills) {
    std::stable_sort(
        fills.begin(), fills.end(),
        [](const PaintedPolygon& a, const PaintedPolygon& b) { return a.depth > b.depth; });
    for (const PaintedPolygon& fill : fills) {
        // A hairline of the fill's own colour closes the seams between neighbouring facets.
        painter.setPen(
            fill.brush.style() == Qt::SolidPattern
                ? QPen(fill.brush.color(), 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                : QPen(Qt::NoPen));
        painter.setBrush(fill.brush);
        painter.drawPolygon(fill.outline);
    }
}

// Every dashed part first, then every solid one, as the view's two passes draw them.
void PaintSegments(QPainter& painter, const FigureParts& parts, double width) {
    struct Piece {
        QLineF line;
        QColor color;
    };
    std::vector<Piece> dashes, solids;
    for (const StrokedSegment& s : parts.segments) {
        const SplitLine split = parts.surfaces.Split(s.a, s.b);
        const QLineF whole(s.a.at, s.b.at);
        for (const LinePart& part : split.visible) {
            solids.push_back({QLineF(whole.pointAt(part.from), whole.pointAt(part.to)), s.color});
        }
        if (s.dashedWhereHidden) {
            for (const LinePart& part : split.dashed) {
                dashes.push_back(
                    {QLineF(whole.pointAt(part.from), whole.pointAt(part.to)), s.color});
            }
        }
    }
    painter.setBrush(Qt::NoBrush);
    for (const auto* pieces : {&dashes, &solids}) {
        const bool dashed = pieces == &dashes;
        for (const Piece& piece : *pieces) {
            painter.setPen(LinePen(piece.color, width, dashed));
            painter.drawLine(piece.line);
        }
    }
}

void PaintDots(QPainter& painter, const CGpage& page, const SceneProjector& projector,
               const std::vector<int>& vertices, const QColor& color) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    for (const int v : vertices) {
        if (v < 0 || v >= page.m_nVertexCount) {
            continue;
        }
        if (const auto p = projector.Project(At(page.m_pos[v]))) {
            painter.drawEllipse(p->at, kDotDiameter / 2, kDotDiameter / 2);
        }
    }
}

// Labels show through faces; they start a little above and beside their vertex.
void PaintLabelsAndDots(QPainter& painter, const CGpage& page, const SceneProjector& projector,
                        const FigureStyle& style) {
    const std::optional<ClipPlane> clip = PageClip(page);
    const QColor labelColor = style.palette.Ink(style.settings.m_labelColor);
    std::vector<int> shown;
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        if (!page.m_bShown[i]) {
            continue;
        }
        shown.push_back(i);
        const QVector3D at = At(page.m_pos[i]) + QVector3D(0.2f, 0.2f, 0.2f);
        const auto p = projector.Project(at);
        if (p && projector.InsideVolume(at) && (!clip || IsOnKeptSide(at, *clip))) {
            DrawLabelText(painter, p->at, page.m_label[i], style.labelPixelSize, labelColor, true);
        }
    }
    if (page.m_bShowDots) {
        PaintDots(painter, page, projector, shown,
                  style.palette.Ink(style.settings.m_newPointColor));
    }
    PaintDots(painter, page, projector, page.m_selPoints,
              style.palette.Ink(style.settings.m_selectColor));
}

}  // namespace

void DrawPageFigure(QPainter& painter, const CGpage& page, const SceneProjector& projector,
                    const FigureStyle& style) {
    FigureParts parts;
    AddFaces(parts, page, projector, style);
    AddSolids(parts, page, projector, style);
    AddLines(parts, page, projector, style);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintFills(painter, parts.fills);
    PaintSegments(painter, parts, style.settings.m_fLineWidth);
    painter.setPen(Qt::NoPen);
    for (const PaintedPolygon& head : parts.arrowHeads) {
        painter.setBrush(head.brush);
        painter.drawPolygon(head.outline);
    }
    for (const PlacedImage& image : parts.images) {
        painter.drawImage(image.place, image.image);
    }
    if (!page.m_bFillFaces) {
        PaintLabelsAndDots(painter, page, projector, style);
    }
    painter.restore();
}

}  // namespace velnor
