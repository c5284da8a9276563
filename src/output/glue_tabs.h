#pragma once

#include <QLineF>
#include <QPolygonF>

#include <vector>

namespace velnor {

// The glue tab along a cut edge of a face on paper: a trapezoid outside the face, its long side
// the edge, its short side `height` farther out with the corners cut at 45° (less on a short
// edge, so that the tab keeps a side of its own). `inside` is a point inside the face.
QPolygonF GlueTab(const QLineF& edge, QPointF inside, double height);

// The tab height for an edge of that length, in centimetres on paper: wide enough to glue, but
// never more than a third of the edge, so that tabs of neighbouring edges keep apart.
double GlueTabHeight(double edgeLength);

// Whether the tab lies on any of the faces (touching the edge it hangs from does not count).
bool TabCoversAFace(const QPolygonF& tab, const std::vector<QPolygonF>& faces);

}  // namespace velnor
