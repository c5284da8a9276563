#include "output/figure_parts.h"

#include <optional>

namespace velnor {

void FigureParts::AddSurface(const SceneProjector& projector, const std::vector<QVector3D>& corners,
                             Occlusion occlusion, const QBrush& brush, bool ofSolid,
                             bool depthMask) {
    std::vector<ScreenPoint> projected;
    QPolygonF outline;
    double depth = 0.0;
    for (const QVector3D& corner : corners) {
        const std::optional<ScreenPoint> p = projector.Project(corner);
        if (!p) {
            return;
        }
        projected.push_back(*p);
        outline << p->at;
        depth += p->depth;
    }
    if (projected.size() < 3) {
        return;
    }
    surfaces.Add(projected, occlusion);
    if (brush.style() != Qt::NoBrush) {
        fills.push_back(
            {outline, depth / static_cast<double>(projected.size()), brush, {}, ofSolid});
    }
    if (depthMask) {
        if (const auto plane = DepthPlaneOf(projected)) {
            masks.push_back({outline, outline.boundingRect(), *plane});
        }
    }
}

void FigureParts::AddShape(const SceneProjector& projector,
                           const std::vector<std::vector<QVector3D>>& outlines,
                           const QBrush& brush) {
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    double depth = 0.0;
    int count = 0;
    for (const auto& corners : outlines) {
        QPolygonF outline;
        for (const QVector3D& corner : corners) {
            const std::optional<ScreenPoint> p = projector.Project(corner);
            if (!p) {
                return;
            }
            outline << p->at;
            depth += p->depth;
            ++count;
        }
        shape.addPolygon(outline);
        shape.closeSubpath();
    }
    if (count > 0) {
        fills.push_back({{}, depth / count, brush, shape, true});
    }
}

void FigureParts::AddPolyline(const SceneProjector& projector,
                              const std::vector<QVector4D>& corners, const QColor& color,
                              bool dashedWhereHidden) {
    for (size_t i = 0; i + 1 < corners.size(); ++i) {
        if (const auto clipped = projector.ClipSegment(corners[i], corners[i + 1])) {
            segments.push_back(
                {clipped->first, clipped->second, color, dashedWhereHidden, i > 0, QColor()});
        }
    }
}

void FigureParts::AddBlendedSegment(const SceneProjector& projector, const QVector4D& a,
                                    const QVector4D& b, const QColor& from, const QColor& to,
                                    bool dashedWhereHidden) {
    if (const auto clipped = projector.ClipSegment(a, b)) {
        segments.push_back({clipped->first, clipped->second, from, dashedWhereHidden, false, to});
    }
}

}  // namespace velnor
