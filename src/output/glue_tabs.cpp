#include "output/glue_tabs.h"

#include <algorithm>
#include <cmath>

namespace velnor {

namespace {

constexpr double kTabCm = 0.7;
constexpr double kMostTabShare = 1.0 / 3.0;
// The short side keeps at least this share of the edge.
constexpr double kLeastShortSide = 0.2;

}  // namespace

double GlueTabHeight(double edgeLength) {
    return std::min(kTabCm, kMostTabShare * edgeLength);
}

QPolygonF GlueTab(const QLineF& edge, QPointF inside, double height) {
    const double length = edge.length();
    const QPointF along = (edge.p2() - edge.p1()) / length;
    QPointF out(along.y(), -along.x());
    if (QPointF::dotProduct(out, inside - edge.p1()) > 0.0) {
        out = -out;
    }
    const double inset = std::min(height, length * (1.0 - kLeastShortSide) / 2.0);
    return QPolygonF({edge.p1(), edge.p2(), edge.p2() + height * out - inset * along,
                      edge.p1() + height * out + inset * along});
}

bool TabCoversAFace(const QPolygonF& tab, const std::vector<QPolygonF>& faces) {
    // The points of the tab a little inside it: its far corners and the middle of its short
    // side, pulled towards its centre.
    const QPointF centre = (tab[0] + tab[1] + tab[2] + tab[3]) / 4.0;
    const auto inward = [&centre](QPointF p) { return p + 0.05 * (centre - p); };
    const QPointF probes[] = {inward(tab[2]), inward(tab[3]), inward((tab[2] + tab[3]) / 2.0),
                              centre};
    return std::any_of(faces.begin(), faces.end(), [&probes](const QPolygonF& face) {
        return std::any_of(std::begin(probes), std::end(probes),
                           [&face](QPointF p) { return face.containsPoint(p, Qt::OddEvenFill); });
    });
}

}  // namespace velnor
