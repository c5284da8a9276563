#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <QRectF>

#include <vector>

#include "output/hidden_line_splitter.h"
#include "output/scene_projector.h"

namespace velnor {

// A filled polygon of the figure, painted farthest first.
struct PaintedPolygon {
    QPolygonF outline;
    double depth;
    QBrush brush;
};

// A straight piece of a line after clipping, split against the surfaces when drawn.
struct StrokedSegment {
    ScreenPoint a, b;
    QColor color;
    bool dashedWhereHidden;
};

// A picture placed on the drawing (a bitmap text).
struct PlacedImage {
    QImage image;
    QRectF place;
};

// Everything one viewport of the figure draws, gathered before any of it is painted: the
// hidden-line splitting needs every surface before the first line.
struct FigureParts {
    std::vector<PaintedPolygon> fills;
    HiddenLineSplitter surfaces;
    std::vector<StrokedSegment> segments;
    std::vector<PaintedPolygon> arrowHeads;
    std::vector<PlacedImage> images;

    // Adds the polygon's projection as a surface that hides lines, and, when `brush` is not
    // Qt::NoBrush, as a filled polygon. Corners at or behind the eye leave it out.
    void AddSurface(const SceneProjector& projector, const std::vector<QVector3D>& corners,
                    Occlusion occlusion, const QBrush& brush);
    // Adds the clipped pieces of a polyline (homogeneous corners: w = 0 for a point at infinity).
    void AddPolyline(const SceneProjector& projector, const std::vector<QVector4D>& corners,
                     const QColor& color, bool dashedWhereHidden);
};

}  // namespace velnor
