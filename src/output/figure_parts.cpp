#include "output/figure_parts.h"

#include <optional>

namespace velnor {

void FigureParts::AddSurface(const SceneProjector& projector, const std::vector<QVector3D>& corners,
                             Occlusion occlusion, const QBrush& brush) {
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
        fills.push_back({outline, depth / static_cast<double>(projected.size()), brush});
    }
}

void FigureParts::AddPolyline(const SceneProjector& projector,
                              const std::vector<QVector4D>& corners, const QColor& color,
                              bool dashedWhereHidden) {
    for (size_t i = 0; i + 1 < corners.size(); ++i) {
        if (const auto clipped = projector.ClipSegment(corners[i], corners[i + 1])) {
            segments.push_back({clipped->first, clipped->second, color, dashedWhereHidden});
        }
    }
}

}  // namespace velnor
