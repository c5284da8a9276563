#pragma once

#include <QBrush>
#include <QPainterPath>
#include <QPolygonF>

#include <vector>

namespace velnor {

class FigureCanvas;

// The union of polygons as the loops of their edges, each polygon turned the same way first:
// an edge two neighbours share runs both ways and cancels out, so what is left is mostly the
// outline. Filled by the non-zero rule, it covers what the polygons cover.
QPainterPath UnionOutline(const std::vector<QPolygonF>& polygons);

// Consecutive fills of one opaque brush. Painting them one after another shows their union,
// so they are painted as one shape: a flat solid of a thousand facets becomes its outline,
// far shorter to write and to compress.
class FillRun {
public:
    // Whether a polygon of `brush` may join the run.
    bool Takes(const QBrush& brush) const;
    void Add(const QBrush& brush, const QPolygonF& outline);
    // Paints the run and empties it.
    void Paint(FigureCanvas& canvas);

private:
    QBrush m_brush;
    std::vector<QPolygonF> m_polygons;
};

}  // namespace velnor
