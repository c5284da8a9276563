#include "shapes/regular_polyhedra.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace velnor {

namespace {

using Faces = std::vector<MeshLine>;

constexpr float kPhi = std::numbers::phi_v<float>;
constexpr float kTolerance = 1e-4f;
constexpr float kTurn = 2.0f * std::numbers::pi_v<float>;

// A corner on the x axis, the opposite face across it at x = -1/3.
std::vector<Vec3> TetrahedronCorners() {
    const float r = 2.0f * std::sqrt(2.0f) / 3.0f;
    std::vector<Vec3> corners{{1, 0, 0}};
    for (int k = 0; k < 3; ++k) {
        const float a = kTurn * static_cast<float>(k) / 3.0f;
        corners.push_back({-1.0f / 3.0f, r * std::cos(a), r * std::sin(a)});
    }
    return corners;
}

std::vector<Vec3> OctahedronCorners() {
    return {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
}

// The cube's corners and three golden rectangles across the axes.
std::vector<Vec3> DodecahedronCorners() {
    std::vector<Vec3> corners;
    for (const float x : {-1.0f, 1.0f}) {
        for (const float y : {-1.0f, 1.0f}) {
            for (const float z : {-1.0f, 1.0f}) {
                corners.push_back({x, y, z});
            }
        }
    }
    for (const float a : {-1.0f / kPhi, 1.0f / kPhi}) {
        for (const float b : {-kPhi, kPhi}) {
            corners.push_back({0.0f, b, a});
            corners.push_back({b, a, 0.0f});
            corners.push_back({a, 0.0f, b});
        }
    }
    return corners;
}

// A corner on each end of the x axis and two rings of five between them, the far ring turned
// by half a step.
std::vector<Vec3> IcosahedronCorners() {
    const float x = 1.0f / std::sqrt(5.0f), r = 2.0f / std::sqrt(5.0f);
    std::vector<Vec3> corners{{1, 0, 0}, {-1, 0, 0}};
    for (int k = 0; k < 5; ++k) {
        const float near = kTurn * static_cast<float>(k) / 5.0f;
        const float far = near + std::numbers::pi_v<float> / 5.0f;
        corners.push_back({x, r * std::cos(near), r * std::sin(near)});
        corners.push_back({-x, r * std::cos(far), r * std::sin(far)});
    }
    return corners;
}

Vec3 Unit(const Vec3& v) {
    return v / Length(v);
}

// The corners of the face whose outward normal is `normal`, counter-clockwise round it.
MeshLine FaceAround(const std::vector<Vec3>& corners, const Vec3& normal, float offset) {
    MeshLine face;
    Vec3 centre;
    for (const Vec3& p : corners) {
        if (std::fabs(Dot(normal, p) - offset) < kTolerance) {
            face.push_back(p);
            centre = centre + p;
        }
    }
    centre = centre / static_cast<float>(face.size());
    const Vec3 u = Unit(face[0] - centre);
    const Vec3 v = Cross(normal, u);
    const auto angle = [&](const Vec3& p) {
        return std::atan2(Dot(p - centre, v), Dot(p - centre, u));
    };
    std::sort(face.begin(), face.end(),
              [&](const Vec3& a, const Vec3& b) { return angle(a) < angle(b); });
    return face;
}

// The faces of the convex hull of `corners`, each once: the planes through three corners that
// have every corner on their inner side.
Faces HullFaces(const std::vector<Vec3>& corners) {
    Faces faces;
    std::vector<Vec3> normals;
    const size_t n = corners.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            for (size_t k = j + 1; k < n; ++k) {
                Vec3 normal = Unit(Cross(corners[j] - corners[i], corners[k] - corners[i]));
                if (Dot(normal, corners[i]) < 0.0f) {
                    normal = -normal;
                }
                const float offset = Dot(normal, corners[i]);
                const bool supporting = std::all_of(corners.begin(), corners.end(), [&](auto& p) {
                    return Dot(normal, p) <= offset + kTolerance;
                });
                const bool known = std::any_of(normals.begin(), normals.end(), [&](auto& m) {
                    return LengthSquared(m - normal) < kTolerance;
                });
                if (supporting && !known) {
                    normals.push_back(normal);
                    faces.push_back(FaceAround(corners, normal, offset));
                }
            }
        }
    }
    return faces;
}

Faces EdgesOf(const Faces& faces) {
    Faces edges;
    for (const auto& face : faces) {
        for (size_t i = 0; i < face.size(); ++i) {
            const Vec3& a = face[i];
            const Vec3& b = face[(i + 1) % face.size()];
            const bool known = std::any_of(edges.begin(), edges.end(), [&](const auto& e) {
                return LengthSquared(e[0] - b) < kTolerance && LengthSquared(e[1] - a) < kTolerance;
            });
            if (!known) {
                edges.push_back({a, b});
            }
        }
    }
    return edges;
}

std::vector<Vec3> Corners(RegularPolyhedron shape) {
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

Surface PolyhedronSurface(RegularPolyhedron shape) {
    Surface surface;
    for (const MeshLine& face : PolyhedronFaces(shape)) {
        const Vec3 normal = Unit(Cross(face[1] - face[0], face[2] - face[0]));
        const uint32_t first = static_cast<uint32_t>(surface.vertices.size());
        for (const Vec3& corner : face) {
            surface.Add({corner, normal});
        }
        for (uint32_t i = 2; i < face.size(); ++i) {
            surface.AddTriangle(first, first + i - 1, first + i);
        }
    }
    return surface;
}

}  // namespace velnor
