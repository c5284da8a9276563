#pragma once

#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <vector>

namespace velnor {

struct ChosenNet;

// A net as it goes on paper, in centimetres, y downwards, seen from outside the solid so that
// what is printed ends up outside: the faces in the solid's order (numbered from 1), the fold
// lines (edges joining two faces of the net), the cut lines (both sides of every edge the net
// is cut along) and one glue tab for each pair of cut lines.
struct PaperNet {
    std::vector<QPolygonF> faces;
    std::vector<QLineF> folds;
    std::vector<QLineF> cuts;
    std::vector<QPolygonF> tabs;

    // Everything drawn: faces and tabs.
    QRectF Bounds() const;
};

// The scales a net is printed at, in centimetres for a unit of the page: one is its true size.
inline constexpr double kLeastNetScale = 0.1;
inline constexpr double kMostNetScale = 10.0;

// The net at `scale` centimetres for a unit of the page.
PaperNet PaperNetOf(const ChosenNet& chosen, double scale);

// Where the number of a face stands: the middle of its corners.
QPointF FaceMiddle(const QPolygonF& face);

}  // namespace velnor
