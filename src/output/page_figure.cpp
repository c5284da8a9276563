#include "output/page_figure.h"

#include <algorithm>
#include <future>
#include <numeric>
#include <optional>

#include "model/gl_model.h"
#include "model/page.h"
#include "output/cone_outline.h"
#include "output/figure_canvas.h"
#include "output/figure_parts.h"
#include "output/figure_style.h"
#include "output/fill_run.h"
#include "output/label_text.h"
#include "output/line_strokes.h"
#include "output/output_grid.h"
#include "output/plane_clipping.h"
#include "output/solid_figure.h"
#include "output/solid_geometry.h"
#include "view/face_palette.h"
#include "view/qt_colour.h"

namespace velnor {

namespace {

constexpr double kDotDiameter = 6.0;

QVector3D At(const Float3& p) {
    return QVector3D(p[0], p[1], p[2]);
}

// The planes that cut a page: those of the pages and page components it is shown in, turned
// into its frame, and its own.
std::vector<ClipPlane> PagePlanes(const CGpage& page, std::span<const ClipPlane> outer) {
    std::vector<ClipPlane> planes(outer.begin(), outer.end());
    if (page.m_bClip) {
        planes.push_back(ClipPlane{page.m_clipPlane[0], page.m_clipPlane[1], page.m_clipPlane[2],
                                   page.m_clipPlane[3]});
    }
    return planes;
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
void AddFaces(FigureParts& parts, const CGpage& page, std::span<const ClipPlane> planes,
              const SceneProjector& projector, const FigureStyle& style) {
    int number = 0;
    for (const auto& [key, face] : page.m_faces) {
        if (!IsDrawable(*face)) {
            continue;
        }
        std::vector<QVector3D> corners;
        for (const uint8_t v : face->Verts()) {
            corners.push_back(At(page.m_pos[v]));
        }
        for (const ClipPlane& plane : planes) {
            corners = ClipPolygonToPlane(corners, plane);
        }
        QBrush brush(Qt::NoBrush);
        const int selected = SelectionNumber(page, key);
        if (page.m_bFillFaces) {
            brush = PaletteBrush(number++, style);
        } else if (selected >= 0 && style.settings.m_nFillStipple != 0) {
            brush =
                QBrush(style.palette.Fill(ToQColor(style.settings.m_fillColor)), Qt::Dense4Pattern);
        } else if (selected >= 0) {
            brush = PaletteBrush(selected, style);
        }
        parts.AddSurface(projector, corners,
                         page.m_bFillFaces ? Occlusion::kCovers : Occlusion::kDashes, brush, false,
                         !page.m_bFillFaces);
    }
}

// The arrow head: a cone from the end point one unit back, of radius 0.15.
void AddArrowHead(FigureParts& parts, const QVector3D& end, const QVector3D& d,
                  const SceneProjector& projector, const QColor& color) {
    if (const auto outline = ConeOutline(projector, end, d, 0.15f)) {
        parts.arrowHeads.push_back({*outline, 0.0, color});
    }
}

struct LineEnds {
    QColor start, end;
};

// With 彩色线条 the view draws segments and vectors in the colours of their end points: blended
// along the line with 色彩平滑, else the end point's colour throughout. Rays and lines it draws
// in the line colour.
std::optional<LineEnds> VertexColours(const CGpage& page, const CLineCell& line,
                                      const FigureStyle& style) {
    if (!style.settings.m_bColorLines || line.m_nKind == kRay || line.m_nKind == kStraightLine) {
        return std::nullopt;
    }
    const auto colour = [&](uint8_t v) {
        const Float3& c = page.m_color[v];
        return style.palette.Ink(QColor::fromRgbF(std::clamp(c[0], 0.0f, 1.0f),
                                                  std::clamp(c[1], 0.0f, 1.0f),
                                                  std::clamp(c[2], 0.0f, 1.0f)));
    };
    const QColor end = colour(line.m_nEnd);
    return LineEnds{style.settings.m_bSmoothColors ? colour(line.m_nStart) : end, end};
}

void AddLines(FigureParts& parts, const CGpage& page, std::span<const ClipPlane> planes,
              const SceneProjector& projector, const FigureStyle& style) {
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
        const std::optional<LineEnds> ends =
            selected ? std::nullopt : VertexColours(page, *line, style);
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
            if (!std::all_of(planes.begin(), planes.end(), [&](const ClipPlane& plane) {
                    return ClipSegmentToPlane(a, b, plane);
                })) {
                continue;
            }
            if (ends && ends->start != ends->end) {
                parts.AddBlendedSegment(projector, a, b, ends->start, ends->end, dashed);
            } else {
                parts.AddPolyline(projector, {a, b}, ends ? ends->end : color, dashed);
            }
        }
        if (line->m_nKind != kSegment && line->m_nKind != kRay && line->m_nKind != kStraightLine &&
            d.length() > 0.0f && IsOnKeptSides(p1, planes)) {
            AddArrowHead(parts, p1, d, projector, ends ? ends->end : color);
        }
    }
}

// What of a fill the depth masks in front of it leave: all of it, or the part (empty: none).
struct Uncovered {
    bool all = true;
    QPainterPath part;
};

QPainterPath PathOf(const PaintedPolygon& fill) {
    if (!fill.shape.isEmpty()) {
        return fill.shape;
    }
    QPainterPath path;
    path.addPolygon(fill.outline);
    path.closeSubpath();
    return path;
}

// Whether some line through an edge of either convex polygon has each wholly on one side.
bool Separated(const QPolygonF& p, const QPolygonF& q) {
    for (const QPolygonF* polygon : {&p, &q}) {
        for (qsizetype i = 0; i < polygon->size(); ++i) {
            const QPointF a = (*polygon)[i];
            const QPointF edge = (*polygon)[(i + 1) % polygon->size()] - a;
            const auto side = [&](const QPointF& x) {
                return edge.x() * (x.y() - a.y()) - edge.y() * (x.x() - a.x());
            };
            const auto [pLow, pHigh] = std::minmax_element(
                p.begin(), p.end(), [&](auto& u, auto& v) { return side(u) < side(v); });
            const auto [qLow, qHigh] = std::minmax_element(
                q.begin(), q.end(), [&](auto& u, auto& v) { return side(u) < side(v); });
            if (side(*pHigh) <= side(*qLow) || side(*qHigh) <= side(*pLow)) {
                return true;
            }
        }
    }
    return false;
}

// Only a solid's fill is hidden by the masks, as the view draws solids after the depth pass.
Uncovered UncoveredPart(const PaintedPolygon& fill, const std::vector<DepthMask>& masks) {
    if (!fill.ofSolid) {
        return {};
    }
    const QRectF bounds =
        fill.shape.isEmpty() ? fill.outline.boundingRect() : fill.shape.boundingRect();
    QPointF middle = bounds.center();
    if (!fill.outline.isEmpty()) {
        middle = std::accumulate(fill.outline.begin(), fill.outline.end(), QPointF()) /
                 static_cast<double>(fill.outline.size());
    }
    QPainterPath cut;
    cut.setFillRule(Qt::WindingFill);
    for (const DepthMask& mask : masks) {
        // The cheapest tests first: most masks lie behind the fill or beside it.
        if (mask.depth.At(middle) >= fill.depth || mask.bounds.right() <= bounds.left() ||
            mask.bounds.left() >= bounds.right() || mask.bounds.bottom() <= bounds.top() ||
            mask.bounds.top() >= bounds.bottom() ||
            (!fill.outline.isEmpty() && Separated(fill.outline, mask.outline))) {
            continue;
        }
        if (!fill.outline.isEmpty() &&
            std::all_of(fill.outline.begin(), fill.outline.end(), [&](const QPointF& p) {
                return mask.outline.containsPoint(p, Qt::OddEvenFill);
            })) {
            return {false, {}};
        }
        cut.addPolygon(mask.outline);
        cut.closeSubpath();
    }
    if (cut.isEmpty()) {
        return {};
    }
    return {false, PathOf(fill).subtracted(cut)};
}

void PaintFills(FigureCanvas& canvas, std::vector<PaintedPolygon>& fills,
                const std::vector<DepthMask>& masks) {
    std::stable_sort(
        fills.begin(), fills.end(),
        [](const PaintedPolygon& a, const PaintedPolygon& b) { return a.depth > b.depth; });
    FillRun run;
    std::optional<FigureLayer> runLayer;
    for (const PaintedPolygon& fill : fills) {
        const Uncovered uncovered = UncoveredPart(fill, masks);
        if (!uncovered.all && uncovered.part.isEmpty()) {
            continue;
        }
        // Whole polygons gather into runs of one brush and layer; any other fill ends the run.
        const FigureLayer layer = fill.ofSolid ? FigureLayer::kSolids : FigureLayer::kFaces;
        const bool whole = uncovered.all && fill.shape.isEmpty();
        if (!whole || !run.Takes(fill.brush) || layer != runLayer) {
            run.Paint(canvas);
        }
        if (layer != runLayer) {
            canvas.BeginLayer(layer);
            runLayer = layer;
        }
        if (whole && run.Takes(fill.brush)) {
            // On the grid first, so that corners neighbours share meet to the bit.
            run.Add(fill.brush, output_grid::Polygon(fill.outline));
        } else if (whole) {
            canvas.Fill(fill.outline, fill.brush);
        } else {
            canvas.Fill(uncovered.all ? fill.shape : uncovered.part, fill.brush);
        }
    }
    run.Paint(canvas);
}

void PaintDots(FigureCanvas& canvas, const CGpage& page, const SceneProjector& projector,
               const std::vector<int>& vertices, const QColor& color) {
    for (const int v : vertices) {
        if (v < 0 || v >= page.m_nVertexCount) {
            continue;
        }
        if (const auto p = projector.Project(At(page.m_pos[v]))) {
            canvas.Dot(p->at, kDotDiameter / 2, color);
        }
    }
}

std::vector<int> ShownVertices(const CGpage& page) {
    std::vector<int> shown;
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        if (page.m_bShown[i]) {
            shown.push_back(i);
        }
    }
    return shown;
}

// Labels show through faces; they start a little above and beside their vertex. A painted
// solid in front of that point hides the label, as the view's solids, drawn after the labels,
// cover them.
void PaintLabels(FigureCanvas& canvas, const CGpage& page, std::span<const ClipPlane> planes,
                 const SceneProjector& projector, const HiddenLineSplitter& surfaces,
                 const FigureStyle& style) {
    const QColor labelColor = style.palette.Ink(style.settings.m_labelColor);
    for (const int i : ShownVertices(page)) {
        const QVector3D at = At(page.m_pos[i]) + QVector3D(0.2f, 0.2f, 0.2f);
        const auto p = projector.Project(at);
        if (p && projector.InsideVolume(at) && IsOnKeptSides(at, planes) && !surfaces.Covers(*p)) {
            canvas.Text(style.labelFont.Layout(p->at, page.m_label[i], labelColor, true),
                        style.labelFont, true);
        }
    }
}

void PaintDotsOf(FigureCanvas& canvas, const CGpage& page, const SceneProjector& projector,
                 const FigureStyle& style) {
    if (page.m_bShowDots) {
        PaintDots(canvas, page, projector, ShownVertices(page),
                  style.palette.Ink(style.settings.m_newPointColor));
    }
    PaintDots(canvas, page, projector, page.m_selPoints,
              style.palette.Ink(style.settings.m_selectColor));
}

// The page a page component shows: the last one compiled under its number, as in the view.
const CGpage* ComponentPage(const FigureStyle& style, int number) {
    const CGpage* found = nullptr;
    for (const CGpage* page : style.componentPages) {
        if (page && page->m_nComponentList == number) {
            found = page;
        }
    }
    return found;
}

bool IsPageComponent(const CSubassembly& solid) {
    return solid.m_nKind >= kSolidPageComponent && solid.m_nKind != kSolidBitmapText;
}

// A page drawn within a page drawn within ... stops here, as a list calling itself would.
constexpr int kDeepestComponent = 4;

// A page as drawn: in the frame of its projector, cut by its planes.
struct DrawnPage {
    const CGpage* page;
    SceneProjector projector;
    std::vector<ClipPlane> planes;
};

// The planes that cut the page a page component shows, in that page's frame: those of the page
// the component stands on, and the component's own.
std::vector<ClipPlane> ComponentPlanes(const CSubassembly& component,
                                       std::span<const ClipPlane> outer) {
    std::vector<ClipPlane> planes;
    const QMatrix4x4 scale = SolidScale(component);
    for (const ClipPlane& plane : outer) {
        planes.push_back(PlaneInFrame(plane, SolidOrientation(component) * scale));
    }
    for (const ClipPlane& plane : SolidClipPlanes(component)) {
        planes.push_back(PlaneInFrame(plane, scale));
    }
    return planes;
}

// What one page draws, and in the frames of its page components the pages they show.
void AddPageParts(FigureParts& parts, std::vector<DrawnPage>& drawn, const CGpage& page,
                  const SceneProjector& projector, std::span<const ClipPlane> outer,
                  const FigureStyle& style, int depth) {
    std::vector<ClipPlane> planes = PagePlanes(page, outer);
    AddFaces(parts, page, planes, projector, style);
    AddSolids(parts, page, planes, projector, style);
    AddLines(parts, page, planes, projector, style);
    drawn.push_back({&page, projector, planes});
    if (depth == kDeepestComponent) {
        return;
    }
    for (const auto& [key, solid] : page.m_solids) {
        if (solid->m_bHidden || !IsPageComponent(*solid)) {
            continue;
        }
        if (const CGpage* shown = ComponentPage(style, solid->m_nComponent)) {
            AddPageParts(parts, drawn, *shown,
                         projector.Moved(SolidOrientation(*solid) * SolidScale(*solid)),
                         ComponentPlanes(*solid, planes), style, depth + 1);
        }
    }
}

}  // namespace

void DrawPageFigure(FigureCanvas& canvas, const CGpage& page, const SceneProjector& projector,
                    const FigureStyle& style) {
    FigureParts parts;
    std::vector<DrawnPage> drawn;
    AddPageParts(parts, drawn, page, projector, {}, style, 0);
    // The hidden parts of the lines are found on a second thread while the fills are painted:
    // the two take about as long, and each reads only its own part of the figure.
    std::future<LineStrokes> strokes =
        std::async(std::launch::async, [&parts] { return StrokesOf(parts); });

    PaintFills(canvas, parts.fills, parts.masks);
    PaintStrokes(canvas, strokes.get(), style.settings.m_fLineWidth);
    for (const PaintedPolygon& head : parts.arrowHeads) {
        canvas.Fill(head.outline, head.brush);
    }
    canvas.BeginLayer(FigureLayer::kImages);
    for (const PlacedImage& image : parts.images) {
        canvas.Image(image.place, image.image);
    }
    // Labels, then the dots over them, in line mode only, as the view draws them.
    canvas.BeginLayer(FigureLayer::kLabels);
    for (const DrawnPage& shown : drawn) {
        if (!shown.page->m_bFillFaces) {
            PaintLabels(canvas, *shown.page, shown.planes, shown.projector, parts.surfaces, style);
        }
    }
    canvas.BeginLayer(FigureLayer::kPoints);
    for (const DrawnPage& shown : drawn) {
        if (!shown.page->m_bFillFaces) {
            PaintDotsOf(canvas, *shown.page, shown.projector, style);
        }
    }
}

}  // namespace velnor
