#include "output/regular_polyhedra.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace velnor {

namespace {

using Faces = std::vector<std::vector<QVector3D>>;

constexpr float kPhi = std::numbers::phi_v<float>;
constexpr float kTolerance = 1e-4f;

// A corner on the x axis, the opposite face across it at x = -1/3.
std::vector<QVector3D> TetrahedronCorners() {
    const float r = 2.0f * std::sqrt(2.0f) / 3.0f;
    std::vector<QVector3D> corners{{1, 0, 0}};
    for (int k = 0; k < 3; ++k) {
        const float a = 2.0f * std::numbers::pi_v<float> * static_cast<float>(k) / 3.0f;
        corners.emplace_back(-1.0f / 3.0f, r * std::cos(a), r * std::sin(a));
    }
    return corners;
}

std::vector<QVector3D> OctahedronCorners() {
    return {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
}

// The cube's corners and three golden rectangles across the axes.
std::vector<QVector3D> DodecahedronCorners() {
    std::vector<QVector3D> corners;
    for (const float x : {-1.0f, 1.0f}) {
        for (const float y : {-1.0f, 1.0f}) {
            for (const float z : {-1.0f, 1.0f}) {
                corners.emplace_back(x, y, z);
            }
        }
    }
    for (const float a : {-1.0f / kPhi, 1.0f / kPhi}) {
        for (const float b : {-kPhi, kPhi}) {
            corners.emplace_back(0.0f, b, a);
            corners.emplace_back(b, a, 0.0f);
            corners.emplace_back(a, 0.0f, b);
        }
    }
    return corners;
}

// A corner on each end of the x axis and two rings of five between them, the far ring turned
// by half a step.
std::vector<QVector3D> IcosahedronCorners() {
    const float x = 1.0f / std::sqrt(5.0f), r = 2.0f / std::sqrt(5.0f);
    std::vector<QVector3D> corners{{1, 0, 0}, {-1, 0, 0}};
    for (int k = 0; k < 5; ++k) {
        const float near = 2.0f * std::numbers::pi_v<float> * static_cast<float>(k) / 5.0f;
        const float far = near + std::numbers::pi_v<float> / 5.0f;
        corners.emplace_back(x, r * std::cos(near), r * std::sin(near));
        corners.emplace_back(-x, r * std::cos(far), r * std::sin(far));
    }
    return corners;
}

// The faces of the convex hull of `corners`, each once, its corners counter-clockwise seen from
// outside: the planes through three corners that have every corner on their inner side.
Faces HullFaces(const std::vector<QVector3D>& corners) {
    Faces faces;
    std::vector<QVector3D> normals;
    const size_t n = corners.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            for (size_t k = j + 1; k < n; ++k) {
                QVector3D normal =
                    QVector3D::crossProduct(corners[j] - corners[i], corners[k] - corners[i])
                        .normalized();
                if (QVector3D::dotProduct(normal, corners[i]) < 0.0f) {
                    normal = -normal;
                }
                const float offset = QVector3D::dotProduct(normal, corners[i]);
                const bool supporting =
                    std::all_of(corners.begin(), corners.end(), [&](const QVector3D& p) {
                        return QVector3D::dotProduct(normal, p) <= offset + kTolerance;
                    });
                const bool known = std::any_of(normals.begin(), normals.end(), [&](auto& m) {
                    return (m - normal).lengthSquared() < kTolerance;
                });
                if (!supporting || known) {
                    continue;
                }
                std::vector<QVector3D> face;
                QVector3D centre;
                for (const QVector3D& p : corners) {
                    if (std::fabs(QVector3D::dotProduct(normal, p) - offset) < kTolerance) {
                        face.push_back(p);
                        centre += p;
                    }
                }
                centre /= static_cast<float>(face.size());
                const QVector3D u = (face[0] - centre).normalized();
                const QVector3D v = QVector3D::crossProduct(normal, u);
                std::sort(face.begin(), face.end(), [&](const QVector3D& a, const QVector3D& b) {
                    return std::atan2(QVector3D::dotProduct(a - centre, v),
                                      QVector3D::dotProduct(a - centre, u)) <
                           std::atan2(QVector3D::dotProduct(b - centre, v),
                                      QVector3D::dotProduct(b - centre, u));
                });
                normals.push_back(normal);
                faces.push_back(std::move(face));
            }
        }
    }
    return faces;
}

Faces EdgesOf(const Faces& faces) {
    Faces edges;
    for (const auto& face : faces) {
        for (size_t i = 0; i < face.size(); ++i) {
            const QVector3D& a = face[i];
            const QVector3D& b = face[(i + 1) % face.size()];
            const bool known = std::any_of(edges.begin(), edges.end(), [&](const auto& e) {
                return (e[0] - b).lengthSquared() < kTolerance &&
                       (e[1] - a).lengthSquared() < kTolerance;
            });
            if (!known) {
                edges.push_back({a, b});
            }
        }
    }
    return edges;
}

std::vector<QVector3D> Corners(RegularPolyhedron shape) {
    switch (shape) {
        case RegularPolyhedron::kTetrahedron:
            return TetrahedronCorners();
        case RegularPolyhedron::kOctahedron:
            return OctahedronCorners();
        case RegularPolyhedron::kDodecahedron:
            return DodecahedronCorners();
        case RegularPolyhedron::kIcosahedron:
            return IcosahedronCorners();
    }
    return {};
}

struct Shape {
    Faces faces;
    Faces edges;
};

// Each shape worked out once, on first use.
const Shape& BuiltShape(RegularPolyhedron shape) {
    constexpr size_t kShapes = 4;
    static const std::array<Shape, kShapes> shapes = [] {
        std::array<Shape, kShapes> all;
        for (size_t i = 0; i < kShapes; ++i) {
            all[i].faces = HullFaces(Corners(static_cast<RegularPolyhedron>(i)));
            all[i].edges = EdgesOf(all[i].faces);
        }
        return all;
    }();
    return shapes[static_cast<size_t>(shape)];
}

}  // namespace

const Faces& PolyhedronFaces(RegularPolyhedron shape) {
    return BuiltShape(shape).faces;
}

const Faces& PolyhedronEdges(RegularPolyhedron shape) {
    return BuiltShape(shape).edges;
}

}  // namespace velnor
