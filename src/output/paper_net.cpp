#include "output/paper_net.h"

#include <algorithm>
#include <variant>

#include "editing/chosen_net.h"
#include "geometry/polygon_geometry.h"
#include "geometry/vec3d.h"
#include "output/glue_tabs.h"

namespace velnor {

namespace {

// Coordinates in the net's plane, seen from the side away from the solid: the base face's first
// edge runs to the right.
class PaperPlane {
public:
    PaperPlane(const ChosenNet& chosen, double scale) : m_scale(scale) {
        const std::vector<int>& base = chosen.solid.faces.front();
        std::vector<Vec3> corners;
        for (int corner : base) {
            corners.push_back(chosen.solid.corners[corner]);
        }
        Vec3d middle;
        for (const Vec3& corner : chosen.solid.corners) {
            middle = middle + (1.0 / chosen.solid.corners.size()) * ToVec3d(corner);
        }
        m_origin = ToVec3d(corners.front());
        Vec3d outward = Unit(NewellNormal(corners));
        if (Dot(outward, middle - m_origin) > 0.0) {
            outward = -outward;
        }
        m_right = Unit(ToVec3d(corners[1]) - m_origin);
        m_up = Cross(outward, m_right);
    }

    QPointF operator()(Vec3 point) const {
        const Vec3d p = ToVec3d(point) - m_origin;
        return {m_scale * Dot(p, m_right), -m_scale * Dot(p, m_up)};
    }

private:
    double m_scale;
    Vec3d m_origin, m_right, m_up;
};

int Position(const std::vector<int>& corners, int corner) {
    return static_cast<int>(std::find(corners.begin(), corners.end(), corner) - corners.begin());
}

// The net's vertices at the ends of the solid's edge in one face.
std::pair<int, int> NetEnds(const ChosenNet& chosen, int face, const PolyhedronEdge& edge) {
    const std::vector<int>& corners = chosen.solid.faces[face];
    const std::vector<int>& vertices = chosen.net.faces[face];
    return {vertices[Position(corners, edge.a)], vertices[Position(corners, edge.b)]};
}

// The tab goes on the first face's side of the cut, unless there it would lie on a face and on
// the other side it would not.
QPolygonF TabFor(const QLineF& first, QPointF firstInside, const QLineF& second,
                 QPointF secondInside, const std::vector<QPolygonF>& faces) {
    const double height = GlueTabHeight(first.length());
    const QPolygonF tab = GlueTab(first, firstInside, height);
    if (!TabCoversAFace(tab, faces)) {
        return tab;
    }
    const QPolygonF other = GlueTab(second, secondInside, height);
    return TabCoversAFace(other, faces) ? tab : other;
}

}  // namespace

QRectF PaperNet::Bounds() const {
    QRectF bounds;
    for (const auto* polygons : {&faces, &tabs}) {
        for (const QPolygonF& polygon : *polygons) {
            bounds = bounds.united(polygon.boundingRect());
        }
    }
    return bounds;
}

QPointF FaceMiddle(const QPolygonF& face) {
    QPointF sum;
    for (const QPointF& corner : face) {
        sum += corner;
    }
    return sum / static_cast<double>(face.size());
}

PaperNet PaperNetOf(const ChosenNet& chosen, double scale) {
    const PaperPlane plane(chosen, scale);
    std::vector<QPointF> points;
    for (const Vec3& vertex : chosen.net.vertices) {
        points.push_back(plane(vertex));
    }
    PaperNet paper;
    for (const std::vector<int>& face : chosen.net.faces) {
        QPolygonF polygon;
        for (int v : face) {
            polygon << points[v];
        }
        paper.faces.push_back(polygon);
    }
    const auto edges = std::get<std::vector<PolyhedronEdge>>(PolyhedronEdges(chosen.solid));
    for (const PolyhedronEdge& edge : edges) {
        const auto [f, g] = edge.faces;
        const auto [fa, fb] = NetEnds(chosen, f, edge);
        const auto [ga, gb] = NetEnds(chosen, g, edge);
        const QLineF first(points[fa], points[fb]);
        if (std::minmax(fa, fb) == std::minmax(ga, gb)) {
            paper.folds.push_back(first);
            continue;
        }
        const QLineF second(points[ga], points[gb]);
        paper.cuts.push_back(first);
        paper.cuts.push_back(second);
        paper.tabs.push_back(TabFor(first, FaceMiddle(paper.faces[f]), second,
                                    FaceMiddle(paper.faces[g]), paper.faces));
    }
    return paper;
}

}  // namespace velnor
