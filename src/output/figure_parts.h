#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include <vector>

#include "output/drawing_plane.h"
#include "output/hidden_line_splitter.h"
#include "output/scene_projector.h"

namespace velnor {

// A filled polygon of the figure, painted farthest first. A shape with holes (a letter) comes
// as a path instead. A solid's polygons are hidden by the surfaces drawn only into depth.
struct PaintedPolygon {
    QPolygonF outline;
    double depth;
    QBrush brush;
    QPainterPath shape = {};
    bool ofSolid = false;
};

// A surface the view draws only into depth in line mode (a face, the body of an outline solid):
// it hides the parts of painted solids behind it.
struct DepthMask {
    QPolygonF outline;
    QRectF bounds;
    DepthPlane depth;
};

// A straight piece of a line after clipping, split against the surfaces when drawn.
struct StrokedSegment {
    ScreenPoint a, b;
    QColor color;
    bool dashedWhereHidden;
    bool followsPrevious = false;  // the next piece of the polyline of the segment before it
    QColor endColor;               // where valid, the colour runs from `color` at a to this at b
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
    std::vector<DepthMask> masks;
    HiddenLineSplitter surfaces;
    std::vector<StrokedSegment> segments;
    std::vector<PaintedPolygon> arrowHeads;
    std::vector<PlacedImage> images;

    // Adds the polygon's projection as a surface that hides lines, and, when `brush` is not
    // Qt::NoBrush, as a filled polygon. Corners at or behind the eye leave it out.
    // `ofSolid` marks the fill of a painted solid; `depthMask` makes the polygon a depth mask too.
    void AddSurface(const SceneProjector& projector, const std::vector<QVector3D>& corners,
                    Occlusion occlusion, const QBrush& brush, bool ofSolid = false,
                    bool depthMask = false);
    // A painted solid's flat shape with holes, from its outlines (the non-zero rule); it hides
    // no lines.
    void AddShape(const SceneProjector& projector,
                  const std::vector<std::vector<QVector3D>>& outlines, const QBrush& brush);
    // Adds the clipped pieces of a polyline (homogeneous corners: w = 0 for a point at infinity);
    // where they stay joined they are drawn as one line.
    void AddPolyline(const SceneProjector& projector, const std::vector<QVector4D>& corners,
                     const QColor& color, bool dashedWhereHidden);
    // Adds the clipped segment a-b, its colour running from `from` at a to `to` at b.
    void AddBlendedSegment(const SceneProjector& projector, const QVector4D& a, const QVector4D& b,
                           const QColor& from, const QColor& to, bool dashedWhereHidden);
};

}  // namespace velnor
