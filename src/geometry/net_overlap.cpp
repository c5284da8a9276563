#include "geometry/net_overlap.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velnor {

namespace {

struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

using Triangle = std::array<Point2, 3>;

double Turn(Point2 a, Point2 b, Point2 c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

bool StrictlyInside(const Triangle& t, Point2 p) {
    return Turn(t[0], t[1], p) > 0.0 && Turn(t[1], t[2], p) > 0.0 && Turn(t[2], t[0], p) > 0.0;
}

// Ear clipping of a simple polygon; a polygon with no ear left (only by rounding) is finished
// as a fan.
std::vector<Triangle> Triangulate(std::vector<Point2> polygon) {
    double area = 0.0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        area += Turn({}, polygon[i], polygon[(i + 1) % polygon.size()]);
    }
    if (area < 0.0) {
        std::reverse(polygon.begin(), polygon.end());
    }
    std::vector<Triangle> triangles;
    while (polygon.size() > 3) {
        const size_t count = polygon.size();
        size_t ear = count;
        for (size_t i = 0; i < count && ear == count; ++i) {
            const Triangle t{polygon[(i + count - 1) % count], polygon[i],
                             polygon[(i + 1) % count]};
            const bool convex = Turn(t[0], t[1], t[2]) > 0.0;
            if (convex && std::none_of(polygon.begin(), polygon.end(),
                                       [&t](Point2 p) { return StrictlyInside(t, p); })) {
                ear = i;
                triangles.push_back(t);
            }
        }
        if (ear == count) {
            break;
        }
        polygon.erase(polygon.begin() + static_cast<std::ptrdiff_t>(ear));
    }
    for (size_t i = 1; i + 1 < polygon.size(); ++i) {
        triangles.push_back({polygon[0], polygon[i], polygon[i + 1]});
    }
    return triangles;
}

// Two triangles overlap unless some side of one separates them, allowing `tolerance` of contact.
bool TrianglesOverlap(const Triangle& s, const Triangle& t, double tolerance) {
    for (const Triangle* side : {&s, &t}) {
        for (int i = 0; i < 3; ++i) {
            const Point2 a = (*side)[i], b = (*side)[(i + 1) % 3];
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            if (length == 0.0) {
                continue;
            }
            const Point2 axis{(a.y - b.y) / length, (b.x - a.x) / length};
            const auto project = [&axis](const Triangle& u) {
                std::array<double, 3> d{};
                for (int k = 0; k < 3; ++k) {
                    d[k] = u[k].x * axis.x + u[k].y * axis.y;
                }
                return std::minmax({d[0], d[1], d[2]});
            };
            const auto [sMin, sMax] = project(s);
            const auto [tMin, tMax] = project(t);
            if (std::min(sMax, tMax) - std::max(sMin, tMin) <= tolerance) {
                return false;
            }
        }
    }
    return true;
}

struct Box {
    Point2 low{1e300, 1e300};
    Point2 high{-1e300, -1e300};

    void Add(Point2 p) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    }
    bool Meets(const Box& other, double tolerance) const {
        return low.x < other.high.x - tolerance && other.low.x < high.x - tolerance &&
               low.y < other.high.y - tolerance && other.low.y < high.y - tolerance;
    }
};

struct FlatFace {
    std::vector<Triangle> triangles;
    Box box;
};

// The faces in coordinates of their plane.
std::vector<FlatFace> Flatten(const std::vector<Vec3>& vertices,
                              const std::vector<std::vector<int>>& faces, Vec3d normal) {
    const Vec3d n = Unit(normal);
    const Vec3d other = std::fabs(n.x) < 0.9 ? Vec3d{1, 0, 0} : Vec3d{0, 1, 0};
    const Vec3d e1 = Unit(Cross(n, other));
    const Vec3d e2 = Cross(n, e1);
    std::vector<FlatFace> flat;
    for (const std::vector<int>& face : faces) {
        std::vector<Point2> polygon;
        FlatFace result;
        for (int v : face) {
            const Vec3d p = ToVec3d(vertices[v]);
            polygon.push_back({Dot(p, e1), Dot(p, e2)});
            result.box.Add(polygon.back());
        }
        result.triangles = Triangulate(std::move(polygon));
        flat.push_back(std::move(result));
    }
    return flat;
}

}  // namespace

bool NetFacesOverlap(const std::vector<Vec3>& vertices, const std::vector<std::vector<int>>& faces,
                     Vec3d normal) {
    const std::vector<FlatFace> flat = Flatten(vertices, faces, normal);
    Box all;
    for (const FlatFace& face : flat) {
        all.Add(face.box.low);
        all.Add(face.box.high);
    }
    // Float positions of a net many faces long are good to about a millionth of its size.
    const double tolerance = 1e-5 * std::max(all.high.x - all.low.x, all.high.y - all.low.y);
    for (size_t f = 0; f < flat.size(); ++f) {
        for (size_t g = f + 1; g < flat.size(); ++g) {
            if (!flat[f].box.Meets(flat[g].box, tolerance)) {
                continue;
            }
            for (const Triangle& s : flat[f].triangles) {
                for (const Triangle& t : flat[g].triangles) {
                    if (TrianglesOverlap(s, t, tolerance)) {
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

}  // namespace velnor
