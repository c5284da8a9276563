#include "output/solid_geometry.h"

#include <array>
#include <cmath>
#include <numbers>

#include "model/gl_model.h"
#include "model/subassembly.h"
#include "output/regular_polyhedra.h"
#include "output/round_solid_facets.h"
#include "output/title_facets.h"
#include "view/solid_silhouettes.h"
#include "view/teapot_mesh.h"

namespace velnor {

namespace {

constexpr int kSlices = 24;
constexpr double kTurn = 2.0 * std::numbers::pi;
// The outline solids hide with a slightly smaller body, so that their own outline stays in front.
constexpr float kHidingScale = 0.99f;

QVector3D OnCircle(double radius, double angle, double z) {
    return QVector3D(static_cast<float>(radius * std::cos(angle)),
                     static_cast<float>(radius * std::sin(angle)), static_cast<float>(z));
}

// The side of a frustum from radius `bottom` at z = z0 to `top` at z1, as quads.
void AddSide(std::vector<Facet>& facets, double bottom, double top, double z0, double z1) {
    for (int k = 0; k < kSlices; ++k) {
        const double a0 = kTurn * k / kSlices, a1 = kTurn * (k + 1) / kSlices;
        facets.push_back({{OnCircle(bottom, a0, z0), OnCircle(bottom, a1, z0),
                           OnCircle(top, a1, z1), OnCircle(top, a0, z1)},
                          {}});
    }
}

void AddDisk(std::vector<Facet>& facets, double radius, double z) {
    Facet disk;
    for (int k = 0; k < kSlices; ++k) {
        disk.corners.push_back(OnCircle(radius, kTurn * k / kSlices, z));
    }
    facets.push_back(std::move(disk));
}

void AddSphere(std::vector<Facet>& facets, double radius) {
    AddSphereFacets(facets, QVector3D(), radius, kSlices, kSlices / 2);
}

void AddTeapot(std::vector<Facet>& facets) {
    for (const auto& piece : Teapot().pieces) {
        facets.push_back({piece, {}});
    }
}

void AddWireTeapot(std::vector<Polyline>& lines) {
    const auto& wires = Teapot().lines;
    lines.insert(lines.end(), wires.begin(), wires.end());
}

// The regular polyhedra, solid (painted faces) or wire (edges).
bool AddRegularPolyhedron(SolidGeometry& g, uint8_t kind) {
    struct Form {
        uint8_t solid, wire;
        RegularPolyhedron shape;
    };
    constexpr Form kForms[] = {
        {kSolidTetrahedron, kSolidTetrahedronWire, RegularPolyhedron::kTetrahedron},
        {kSolidOctahedron, kSolidOctahedronWire, RegularPolyhedron::kOctahedron},
        {kSolidDodecahedron, kSolidDodecahedronWire, RegularPolyhedron::kDodecahedron},
        {kSolidIcosahedron, kSolidIcosahedronWire, RegularPolyhedron::kIcosahedron}};
    for (const Form& form : kForms) {
        if (kind == form.solid) {
            for (const auto& face : PolyhedronFaces(form.shape)) {
                g.painted.push_back({face, {}});
            }
            g.closed = true;
            return true;
        }
        if (kind == form.wire) {
            const auto& edges = PolyhedronEdges(form.shape);
            g.lines.insert(g.lines.end(), edges.begin(), edges.end());
            return true;
        }
    }
    return false;
}

void AddCube(std::vector<Facet>& facets, bool coloured) {
    struct Side {
        int axis;
        float sign;
        QColor color;
    };
    const std::array<Side, 6> sides{{{2, 1, QColor(255, 0, 255)},
                                     {2, -1, QColor(255, 0, 0)},
                                     {1, 1, QColor(0, 0, 255)},
                                     {1, -1, QColor(0, 255, 255)},
                                     {0, 1, QColor(255, 255, 0)},
                                     {0, -1, QColor(0, 255, 0)}}};
    constexpr std::array<std::array<float, 2>, 4> kSquare{{{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}};
    for (const Side& side : sides) {
        Facet facet{{}, coloured ? side.color : QColor()};
        for (const auto& corner : kSquare) {
            QVector3D p;
            p[side.axis] = side.sign;
            p[(side.axis + 1) % 3] = corner[0];
            p[(side.axis + 2) % 3] = corner[1];
            facet.corners.push_back(p);
        }
        facets.push_back(std::move(facet));
    }
}

Polyline Circle(double radius, double z) {
    Polyline circle;
    for (int k = 0; k <= 63; ++k) {
        circle.push_back(OnCircle(radius, kTurn * k / 63.0, z));
    }
    return circle;
}

void AddWireSphere(std::vector<Polyline>& lines) {
    for (int k = 0; k < kSlices; ++k) {
        Polyline meridian;
        for (int i = 0; i <= kSlices; ++i) {
            const double p = std::numbers::pi * i / kSlices;
            meridian.push_back(QVector3D(OnCircle(std::sin(p), kTurn * k / kSlices, std::cos(p))));
        }
        lines.push_back(std::move(meridian));
    }
    for (int i = 1; i < kSlices; ++i) {
        const double p = std::numbers::pi * i / kSlices;
        lines.push_back(Circle(std::sin(p), std::cos(p)));
    }
}

void AddWireCube(std::vector<Polyline>& lines) {
    for (int axis = 0; axis < 3; ++axis) {
        for (const float u : {-0.5f, 0.5f}) {
            for (const float v : {-0.5f, 0.5f}) {
                QVector3D a, b;
                a[axis] = -0.5f;
                b[axis] = 0.5f;
                a[(axis + 1) % 3] = b[(axis + 1) % 3] = u;
                a[(axis + 2) % 3] = b[(axis + 2) % 3] = v;
                lines.push_back({a, b});
            }
        }
    }
}

QVector3D At(const Point2& p, double scale, double z) {
    return QVector3D(static_cast<float>(scale * p.x), static_cast<float>(scale * p.y),
                     static_cast<float>(z));
}

// The two lines from the base circle to the apex or to the top circle of radius `top`, as the
// view finds them.
void AddSideSilhouette(std::vector<Polyline>& lines, const QVector3D& eye, double top) {
    Point2 t[2];
    if (TangentPoints(eye.x(), eye.y(), eye.z() * (1.0 - top), t) == 0) {
        return;
    }
    for (const Point2& p : t) {
        lines.push_back({At(p, 1.0, 0.0), At(p, top, 1.0)});
    }
}

void AddCylinderSilhouette(std::vector<Polyline>& lines, const QVector3D& eye) {
    const double n = std::hypot(eye.x(), eye.y());
    const Point2 p = n > 0.0 ? Point2{eye.y() / n, -eye.x() / n} : Point2{0.0, 0.0};
    lines.push_back({At(p, 1.0, 0.0), At(p, 1.0, 1.0)});
    lines.push_back({At(p, -1.0, 0.0), At(p, -1.0, 1.0)});
}

// The great circle across the direction of the eye.
Polyline SphereSilhouette(const QVector3D& eye) {
    QMatrix4x4 turn;
    const float length = eye.length();
    if (length > 0.0f && (eye.x() != 0.0f || eye.y() != 0.0f)) {
        turn.rotate(std::acos(eye.z() / length) * 180.0f / std::numbers::pi_v<float>, -eye.y(),
                    eye.x(), 0.0f);
    }
    Polyline circle = Circle(1.0, 0.0);
    for (QVector3D& p : circle) {
        p = turn.map(p);
    }
    return circle;
}

std::vector<Facet> Shrunk(std::vector<Facet> facets) {
    for (Facet& facet : facets) {
        for (QVector3D& p : facet.corners) {
            p *= kHidingScale;
        }
    }
    return facets;
}

double FrustumTop(const CSubassembly& solid) {
    return solid.m_dShape == 1.0 ? 0.999 : solid.m_dShape == 0.0 ? 0.0001 : solid.m_dShape;
}

}  // namespace

QMatrix4x4 SolidOrientation(const CSubassembly& s) {
    QMatrix4x4 m;
    m.translate(s.m_position[0], s.m_position[1], s.m_position[2]);
    const auto& d = s.m_direction;
    const float length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (d[0] != 0.0f || d[1] != 0.0f) {
        const float c = std::clamp(d[2] / length, -1.0f, 1.0f);
        m.rotate(std::acos(c) * 180.0f / std::numbers::pi_v<float>, -d[1], d[0], 0.0f);
    } else if (d[2] < 0.0f) {
        m.rotate(180.0f, 1.0f, 0.0f, 0.0f);
    }
    m.rotate(s.m_fSpin, 0.0f, 0.0f, 1.0f);
    return m;
}

QMatrix4x4 SolidScale(const CSubassembly& s) {
    QMatrix4x4 m;
    m.scale(s.m_scale[0], s.m_scale[1], s.m_scale[2]);
    return m;
}

SolidGeometry SolidShape(const CSubassembly& solid, const QVector3D& eye,
                         const CGlModel& settings) {
    SolidGeometry g;
    if (AddRegularPolyhedron(g, solid.m_nKind)) {
        return g;
    }
    // Under light without 颜色材质 the material stands for every drawing colour of a shape: its
    // facets then take the solid's colour.
    const bool coloured = !settings.m_bLighting || settings.m_bColorMaterial;
    switch (solid.m_nKind) {
        case kSolidSphere:
            AddSphere(g.painted, 1.0);
            g.closed = true;
            break;
        case kSolidPlane:
            g.painted.push_back({{{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}},
                                 coloured ? QColor(Qt::blue) : QColor()});
            break;
        case kSolidCylinder:
            AddSide(g.painted, 1.0, 1.0, 0.0, 1.0);
            break;
        case kSolidCone:
            AddSide(g.painted, 1.0, 0.0, 0.0, 1.0);
            break;
        case kSolidTorus:
            AddTorusFacets(g.painted);
            g.closed = true;
            break;
        case kSolidTitle:
            AddTitleShape(g, settings);
            break;
        case kSolidCube:
            AddCube(g.painted, coloured);
            break;
        case kSolidTeapot:
            AddTeapot(g.painted);
            break;
        case kSolidTeapotWire:
            AddWireTeapot(g.lines);
            break;
        case kSolidDisk:
            AddDisk(g.painted, 1.0, 0.0);
            break;
        case kSolidC60:
            AddMoleculeFacets(g.painted, settings.m_bLighting != 0);
            g.closed = true;
            break;
        case kSolidCircleOutline:
            g.lines.push_back(Circle(1.0, 0.0));
            g.linesDashedWhereHidden = true;
            break;
        case kSolidSphereWire:
            AddWireSphere(g.lines);
            break;
        case kSolidCuboidWire:
            AddWireCube(g.lines);
            break;
        case kSolidCylinderSide:
            AddCylinderSilhouette(g.lines, eye);
            AddDisk(g.hiding, 1.0, 0.0);
            AddSide(g.hiding, 1.0, 1.0, 0.0, 1.0);
            AddDisk(g.hiding, 1.0, 1.0);
            g.linesDashedWhereHidden = true;
            break;
        case kSolidConeSide:
            AddSideSilhouette(g.lines, eye, 0.0);
            AddSide(g.hiding, 1.0, 0.0, 0.0, 1.0);
            AddDisk(g.hiding, 1.0, 0.0);
            g.linesDashedWhereHidden = true;
            break;
        case kSolidFrustumSide: {
            const double top = FrustumTop(solid);
            AddSideSilhouette(g.lines, eye, top);
            AddSide(g.hiding, 1.0, top, 0.0, 1.0);
            AddDisk(g.hiding, 1.0, 0.0);
            AddDisk(g.hiding, top, 1.0);
            g.linesDashedWhereHidden = true;
            break;
        }
        case kSolidSphereOutline:
            g.lines.push_back(SphereSilhouette(eye));
            AddSphere(g.hiding, 1.0);
            g.linesDashedWhereHidden = true;
            break;
        default:
            break;
    }
    g.hiding = Shrunk(std::move(g.hiding));
    return g;
}

}  // namespace velnor
