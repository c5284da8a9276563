#include "output/solid_figure.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "model/bit_text.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "output/drawing_plane.h"
#include "output/figure_parts.h"
#include "output/figure_style.h"
#include "output/plane_clipping.h"
#include "output/solid_geometry.h"
#include "view/qt_colour.h"

namespace velnor {

namespace {

// The picture of a bitmap text: glBitmap rows from the bottom, the high bit first.
QImage BitTextImage(const CBitText& text, const QColor& color) {
    QImage image(text.m_nWidth, text.m_nHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int32_t bytesPerRow = CBitText::BytesPerRow(text.m_nWidth);
    for (int32_t y = 0; y < text.m_nHeight; ++y) {
        for (int32_t x = 0; x < text.m_nWidth; ++x) {
            const uint8_t byte = text.m_bits[static_cast<size_t>(y * bytesPerRow + x / 8)];
            if (byte & (0x80 >> (x % 8))) {
                image.setPixelColor(x, text.m_nHeight - 1 - y, color);
            }
        }
    }
    return image;
}

// Bitmap texts do not turn with the scene: only the pan and the distance move them.
void AddBitText(FigureParts& parts, const CBitText& text, const SceneProjector& projector,
                const FigureStyle& style) {
    const size_t needed = static_cast<size_t>(CBitText::BytesPerRow(text.m_nWidth)) *
                          static_cast<size_t>(std::max(text.m_nHeight, 0));
    if (text.m_nWidth <= 0 || text.m_nHeight <= 0 || text.m_bits.size() < needed) {
        return;
    }
    const ViewCamera& camera = style.settings.m_camera;
    const QVector3D anchor(text.m_position[0] + camera.m_fPanX, text.m_position[2] + camera.m_fPanY,
                           text.m_position[1] + camera.m_fDistance);
    const SceneProjector screen = projector.WithoutModelView();
    const auto at = screen.Project(anchor);
    if (!at || !screen.InsideVolume(anchor)) {
        return;
    }
    const QPointF corner = at->at - QPointF(text.m_nWidth / 2, text.m_nHeight - text.m_nHeight / 2);
    parts.images.push_back({BitTextImage(text, style.palette.Ink(text.m_color)),
                            QRectF(corner, QSizeF(text.m_nWidth, text.m_nHeight))});
}

// The solid's material as the light sees it: under light the view paints with the material's
// diffuse part (the solid's own material, or the scene's), unless 颜色材质 lets the drawing
// colour stand for it; unlit, the component colour.
struct SolidPaint {
    QColor diffuse;
    Rgba ambient;
};

SolidPaint PaintOf(const CSubassembly& solid, const CGlModel& settings) {
    const Material& material = solid.m_bOwnMaterial ? solid.m_material : settings.m_material;
    if (!settings.m_bLighting || settings.m_bColorMaterial) {
        return {ToQColor(settings.m_componentColor), material.ambient};
    }
    const Rgba& d = material.diffuse;
    return {QColor::fromRgbF(std::clamp(d[0], 0.0f, 1.0f), std::clamp(d[1], 0.0f, 1.0f),
                             std::clamp(d[2], 0.0f, 1.0f)),
            material.ambient};
}

// The colour the view's fixed light gives `diffuse` at `point` with `normal` (both in the eye's
// frame): the ambient light (the light's and the scene's 0.2) on the material's ambient part,
// and the diffuse light falling on it, both sides lit alike.
QColor Lit(const QColor& diffuse, const Rgba& ambient, const QVector3D& normal,
           const QVector3D& point, const CGlModel& settings) {
    const auto& l = settings.m_lightPosition;
    const QVector3D toLight =
        (l[3] == 0.0f ? QVector3D(l[0], l[1], l[2]) : QVector3D(l[0], l[1], l[2]) - point)
            .normalized();
    const float facing = std::fabs(QVector3D::dotProduct(normal, toLight));
    const auto channel = [&](float material, int i) {
        const float ambientLight = settings.m_lightAmbient[static_cast<size_t>(i)] + 0.2f;
        const float diffuseLight = settings.m_lightDiffuse[static_cast<size_t>(i)];
        return std::clamp(
            ambientLight * ambient[static_cast<size_t>(i)] + diffuseLight * facing * material, 0.0f,
            1.0f);
    };
    return QColor::fromRgbF(channel(diffuse.redF(), 0), channel(diffuse.greenF(), 1),
                            channel(diffuse.blueF(), 2));
}

// Flat shading of a facet as the view gives it under light.
QColor Shaded(const QColor& diffuse, const Rgba& ambient, const SceneProjector& projector,
              const Facet& facet, const CGlModel& settings) {
    if (!settings.m_bLighting || facet.corners.size() < 3) {
        return diffuse;
    }
    const QMatrix4x4& toEye = projector.ModelView();
    const QVector3D p0 = toEye.map(facet.corners[0]);
    const QVector3D p1 = toEye.map(facet.corners[1]);
    const QVector3D p2 = toEye.map(facet.corners[2]);
    const QVector3D normal = QVector3D::crossProduct(p1 - p0, p2 - p0).normalized();
    return Lit(diffuse, ambient, normal, p0, settings);
}

// Scales unit-frame corners into the frame of the clip planes and cuts them there: by the
// solid's own planes and by the page's, turned into that frame.
class SolidClipper {
public:
    SolidClipper(const CSubassembly& solid, std::span<const ClipPlane> pagePlanes)
        : m_scale(SolidScale(solid)), m_planes(SolidClipPlanes(solid)) {
        for (const ClipPlane& plane : pagePlanes) {
            m_planes.push_back(PlaneInFrame(plane, SolidOrientation(solid)));
        }
    }

    bool Cuts() const { return !m_planes.empty(); }

    std::vector<QVector3D> Polygon(const std::vector<QVector3D>& unit) const {
        std::vector<QVector3D> corners;
        for (const QVector3D& p : unit) {
            corners.push_back(m_scale.map(p));
        }
        for (const ClipPlane& plane : m_planes) {
            corners = ClipPolygonToPlane(corners, plane);
        }
        return corners;
    }

    // Nothing when the segment lies wholly on the cut-away side.
    std::optional<std::pair<QVector4D, QVector4D>> Segment(const QVector3D& a,
                                                           const QVector3D& b) const {
        QVector4D from(m_scale.map(a), 1.0f), to(m_scale.map(b), 1.0f);
        for (const ClipPlane& plane : m_planes) {
            if (!ClipSegmentToPlane(from, to, plane)) {
                return std::nullopt;
            }
        }
        return std::make_pair(from, to);
    }

private:
    QMatrix4x4 m_scale;
    std::vector<ClipPlane> m_planes;
};

// Whether a facet turned counter-clockwise seen from outside shows its outer side. The
// drawing's y runs downwards; a mirroring scale turns the facet over.
bool FacesTheEye(const SceneProjector& projector, const std::vector<QVector3D>& corners,
                 bool mirrored) {
    std::vector<QPointF> at;
    for (const QVector3D& corner : corners) {
        const auto p = projector.Project(corner);
        if (!p) {
            return true;
        }
        at.push_back(p->at);
    }
    const double area = SignedArea(at);
    return mirrored ? area > 0.0 : area < 0.0;
}

// Under light the view shades a wire vertex by vertex by the normals its shape gives, and blends
// the colours along each edge.
void AddLitWire(FigureParts& parts, const SolidGeometry& geometry, const SolidClipper& clipper,
                const SceneProjector& oriented, const SceneProjector& placed,
                const SolidPaint& paint, const FigureStyle& style) {
    const QMatrix4x4& toEye = placed.ModelView();
    const QMatrix4x4 normalsToEye = toEye.inverted().transposed();
    const auto colourAt = [&](const QVector3D& point, const QVector3D& normal) {
        return style.palette.Ink(Lit(paint.diffuse, paint.ambient,
                                     normalsToEye.mapVector(normal).normalized(), toEye.map(point),
                                     style.settings));
    };
    for (size_t k = 0; k < geometry.lines.size(); ++k) {
        const Polyline& line = geometry.lines[k];
        const Polyline& normals = geometry.lineNormals[k];
        for (size_t i = 0; i + 1 < line.size(); ++i) {
            if (const auto piece = clipper.Segment(line[i], line[i + 1])) {
                parts.AddBlendedSegment(oriented, piece->first, piece->second,
                                        colourAt(line[i], normals[i]),
                                        colourAt(line[i + 1], normals[i + 1]), false);
            }
        }
    }
}

void AddSolid(FigureParts& parts, const CSubassembly& solid, const CGpage& page,
              std::span<const ClipPlane> pagePlanes, const SceneProjector& projector,
              const FigureStyle& style) {
    const bool fillMode = page.m_bFillFaces != 0;
    const SceneProjector oriented = projector.Moved(SolidOrientation(solid));
    const SceneProjector placed = oriented.Moved(SolidScale(solid));
    const SolidGeometry geometry = SolidGeometryOf(solid, placed.EyeDirection(), style.settings);
    const SolidClipper clipper(solid, pagePlanes);
    const SolidPaint paint = PaintOf(solid, style.settings);
    // Of a closed solid that no plane cuts open, the facets turned away are hidden by the rest.
    const bool cullBack = geometry.closed && !clipper.Cuts();
    const auto& scale = solid.m_scale;
    const bool mirrored = scale[0] * scale[1] * scale[2] < 0.0f;
    for (const Facet& facet : geometry.painted) {
        const std::vector<QVector3D> corners = clipper.Polygon(facet.corners);
        if (cullBack && !FacesTheEye(oriented, corners, mirrored)) {
            continue;
        }
        const QColor base = facet.color.isValid() ? facet.color : paint.diffuse;
        parts.AddSurface(
            oriented, corners, Occlusion::kCovers,
            style.palette.Fill(Shaded(base, paint.ambient, placed, facet, style.settings)), true);
    }
    const Facet facingZ{{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {}};
    const QBrush letterBrush =
        style.palette.Fill(Shaded(paint.diffuse, paint.ambient, placed, facingZ, style.settings));
    for (const std::vector<Polyline>& face : geometry.letterFaces) {
        std::vector<std::vector<QVector3D>> outlines;
        for (const Polyline& outline : face) {
            outlines.push_back(clipper.Polygon(outline));
        }
        parts.AddShape(oriented, outlines, letterBrush);
    }
    if (!fillMode) {
        for (const Facet& facet : geometry.hiding) {
            parts.AddSurface(oriented, clipper.Polygon(facet.corners), Occlusion::kDashes,
                             Qt::NoBrush, false, true);
        }
    }
    const bool dashed = geometry.linesDashedWhereHidden && !fillMode;
    if (style.settings.m_bLighting && !geometry.lineNormals.empty()) {
        AddLitWire(parts, geometry, clipper, oriented, placed, paint, style);
        return;
    }
    const QColor ink = style.palette.Ink(paint.diffuse);
    for (const Polyline& line : geometry.lines) {
        // The clip planes may cut the line into runs.
        std::vector<QVector4D> run;
        for (size_t i = 0; i + 1 < line.size(); ++i) {
            const auto piece = clipper.Segment(line[i], line[i + 1]);
            if (!run.empty() && (!piece || piece->first != run.back())) {
                parts.AddPolyline(oriented, run, ink, dashed);
                run.clear();
            }
            if (piece) {
                if (run.empty()) {
                    run.push_back(piece->first);
                }
                run.push_back(piece->second);
            }
        }
        if (!run.empty()) {
            parts.AddPolyline(oriented, run, ink, dashed);
        }
    }
}

}  // namespace

std::vector<ClipPlane> SolidClipPlanes(const CSubassembly& solid) {
    std::vector<ClipPlane> planes;
    if (solid.m_nClipMode == 1 || solid.m_nClipMode == 3) {
        planes.push_back(solid.m_clipPlane1);
    }
    if (solid.m_nClipMode == 2 || solid.m_nClipMode == 3) {
        planes.push_back(solid.m_clipPlane2);
    }
    return planes;
}

void AddSolids(FigureParts& parts, const CGpage& page, std::span<const ClipPlane> pagePlanes,
               const SceneProjector& projector, const FigureStyle& style) {
    for (const auto& [key, solid] : page.m_solids) {
        if (solid->m_bHidden) {
            continue;
        }
        if (solid->m_nKind == kSolidBitmapText) {
            if (const auto* text = dynamic_cast<const CBitText*>(solid.get())) {
                AddBitText(parts, *text, projector, style);
            }
            continue;
        }
        AddSolid(parts, *solid, page, pagePlanes, projector, style);
    }
}

}  // namespace velnor
