#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>

namespace velnor {

// Outlines go out on a grid of a quarter pixel, far finer than any print shows: a PDF then
// writes two decimals instead of six, and compresses the shorter numbers much faster.
namespace output_grid {

QPointF Point(const QPointF& p);
QPolygonF Polygon(const QPolygonF& polygon);
QPainterPath Path(const QPainterPath& path);
// An open line on the grid, without the corners that lie within half a step of the line
// through the corners kept on either side: a finely cut curve loses most of them.
QPolygonF Polyline(const QPolygonF& line);

}  // namespace output_grid

}  // namespace velnor
