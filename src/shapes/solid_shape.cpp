#include "shapes/solid_shape.h"

#include "shapes/flat_shapes.h"
#include "shapes/molecule.h"
#include "shapes/regular_polyhedra.h"
#include "shapes/round_shapes.h"
#include "shapes/silhouettes.h"
#include "shapes/teapot.h"
#include "shapes/title_shape.h"

namespace velnor {

namespace {

// The tessellations of the view's quadrics and GLUT shapes.
constexpr int kQuadricSlices = 24;
constexpr int kQuadricStacks = 5;
constexpr int kSphereSlices = 24;
constexpr int kHidingSphereSlices = 16;
constexpr int kConeOutlineSlices = 20;
constexpr double kTorusTube = 0.2, kTorusRing = 1.0;
constexpr int kTorusSides = 10, kTorusRings = 24;
// Outlines sit a little outside the solid, so that its own surface does not hide them.
constexpr double kOutlineSize = 1.001;

struct KindShape {
    void (*shape)(const ShapeValues&, SolidShape&);
    void (*outline)(const ShapeValues&, SolidOutline&);
    // Only for the kinds drawn as a silhouette.
    std::vector<MeshLine> (*silhouette)(const ShapeValues&, const Vec3& eye) = nullptr;
    std::vector<Surface> (*hiding)(const ShapeValues&) = nullptr;
};

void Textured(SolidShape& shape, Surface surface) {
    shape.surfaces.push_back(std::move(surface));
    shape.textured = true;
}

// Shapes.
void Nothing(const ShapeValues&, SolidShape&) {}

void Sphere(const ShapeValues&, SolidShape& s) {
    Textured(s, QuadricSphere(kSphereSlices, kSphereSlices));
    s.closed = true;
}
void Plane(const ShapeValues&, SolidShape& s) {
    Textured(s, BlueSquare());
}
template <RegularPolyhedron kShape>
void Polyhedron(const ShapeValues&, SolidShape& s) {
    s.surfaces.push_back(PolyhedronSurface(kShape));
    s.closed = true;
}
// Straight edges are lit as the solid is along them: outwards from its centre.
std::vector<MeshLine> EdgeNormals(const std::vector<MeshLine>& edges) {
    std::vector<MeshLine> normals;
    for (const MeshLine& edge : edges) {
        const Vec3 middle = 0.5f * (edge.front() + edge.back());
        normals.push_back(MeshLine(edge.size(), middle / Length(middle)));
    }
    return normals;
}

template <RegularPolyhedron kShape>
void PolyhedronWire(const ShapeValues&, SolidShape& s) {
    s.lines = PolyhedronEdges(kShape);
    s.lineNormals = EdgeNormals(s.lines);
}
void Cylinder(const ShapeValues&, SolidShape& s) {
    Textured(s, QuadricCylinder(1.0, 1.0, kQuadricSlices, kQuadricStacks));
}
void Cone(const ShapeValues&, SolidShape& s) {
    Textured(s, QuadricCylinder(1.0, 0.0, kQuadricSlices, kQuadricStacks));
}
void Torus(const ShapeValues&, SolidShape& s) {
    s.surfaces.push_back(GlutTorus(kTorusTube, kTorusRing, kTorusSides, kTorusRings));
    s.closed = true;
}
void Title(const ShapeValues& v, SolidShape& s) {
    AddTitle(s, v.title);
}
void Cube(const ShapeValues&, SolidShape& s) {
    s.surfaces = ColouredCube();
    s.textured = true;
    s.closed = true;
}
void Disk(const ShapeValues&, SolidShape& s) {
    Textured(s, QuadricDisk(kQuadricSlices));
}
void Teapot(const ShapeValues&, SolidShape& s) {
    Textured(s, SolidTeapot(1.0));
}
void C60(const ShapeValues&, SolidShape& s) {
    s.surfaces = MoleculeSurfaces();
}
void Circle(const ShapeValues&, SolidShape& s) {
    s.lines.push_back(StepCircle());
    s.linesDashedWhereHidden = true;
}
void SphereWire(const ShapeValues&, SolidShape& s) {
    s.lines = GlutSphereLines(1.0, kSphereSlices, kSphereSlices);
    s.lineNormals = s.lines;  // on the unit sphere a point is its own normal
}
void CuboidWire(const ShapeValues&, SolidShape& s) {
    s.lines = CubeEdges(1.0);
    s.lineNormals = EdgeNormals(s.lines);
}
void TeapotWire(const ShapeValues&, SolidShape& s) {
    s.lines = WireTeapot(1.0);
    s.lineNormals = WireTeapotNormals(1.0);
}

// Outlines.
void NoOutline(const ShapeValues&, SolidOutline&) {}

void SphereOutline(const ShapeValues&, SolidOutline& o) {
    o.lines = GlutSphereLines(kOutlineSize, kSphereSlices, kSphereSlices);
}
void PlaneOutline(const ShapeValues&, SolidOutline& o) {
    o.lines.push_back(SquareBorder());
}
template <RegularPolyhedron kShape>
void PolyhedronOutline(const ShapeValues&, SolidOutline& o) {
    o.lines = PolyhedronEdges(kShape);
}
void CylinderOutline(const ShapeValues&, SolidOutline& o) {
    o.lines = QuadricCylinderLines(kQuadricSlices, kQuadricStacks);
}
void ConeOutline(const ShapeValues&, SolidOutline& o) {
    o.lines = GlutConeLines(kOutlineSize, kConeOutlineSlices, kConeOutlineSlices);
}
void TorusOutline(const ShapeValues&, SolidOutline& o) {
    o.lines = GlutTorusLines(kTorusTube, kTorusRing, kTorusSides, kTorusRings);
}
void CubeOutline(const ShapeValues&, SolidOutline& o) {
    o.lines = CubeEdges(2.0);
}
void CircleOutline(const ShapeValues&, SolidOutline& o) {
    o.lines.push_back(StepCircle());
    o.dashedWhereHidden = true;
}
void TeapotOutline(const ShapeValues&, SolidOutline& o) {
    o.lines = WireTeapot(kOutlineSize);
}
void CuboidOutline(const ShapeValues&, SolidOutline& o) {
    o.lines = CubeEdges(1.0);
}
void FrustumOutline(const ShapeValues& v, SolidOutline& o) {
    o.lines = FrustumPanelLines(DrawnShapeValue(v.kind, v.shapeValue));
}

// Silhouettes and the bodies that hide behind them.
std::vector<MeshLine> CylinderLines(const ShapeValues&, const Vec3& eye) {
    return CylinderSilhouette(eye);
}
std::vector<MeshLine> ConeLines(const ShapeValues&, const Vec3& eye) {
    return SideSilhouette(eye, 0.0);
}
std::vector<MeshLine> FrustumLines(const ShapeValues& v, const Vec3& eye) {
    return SideSilhouette(eye, DrawnShapeValue(v.kind, v.shapeValue));
}
std::vector<MeshLine> SphereLines(const ShapeValues&, const Vec3& eye) {
    return SphereSilhouette(eye);
}

Surface Moved(Surface surface, float dz) {
    for (MeshVertex& v : surface.vertices) {
        v.position.z += dz;
    }
    return surface;
}

std::vector<Surface> CylinderBody(const ShapeValues&) {
    return {QuadricDisk(kQuadricSlices), Moved(StepCylinderSide(), 0.5f),
            Moved(QuadricDisk(kQuadricSlices), 1.0f)};
}
std::vector<Surface> ConeBody(const ShapeValues&) {
    return {QuadricCylinder(1.0, 0.0, kQuadricSlices, kQuadricStacks), QuadricDisk(kQuadricSlices)};
}
std::vector<Surface> FrustumHidingBody(const ShapeValues& v) {
    return FrustumBody(DrawnShapeValue(v.kind, v.shapeValue));
}
std::vector<Surface> SphereBody(const ShapeValues&) {
    return {GlutSphere({}, 1.0, kHidingSphereSlices, kHidingSphereSlices)};
}

// The one place that tells the kinds apart.
KindShape KindShapeOf(ShapeKind kind) {
    using R = RegularPolyhedron;
    switch (kind) {
        case ShapeKind::kSphere:
            return {Sphere, SphereOutline};
        case ShapeKind::kPlane:
            return {Plane, PlaneOutline};
        case ShapeKind::kTetrahedron:
            return {Polyhedron<R::kTetrahedron>, PolyhedronOutline<R::kTetrahedron>};
        case ShapeKind::kOctahedron:
            return {Polyhedron<R::kOctahedron>, PolyhedronOutline<R::kOctahedron>};
        case ShapeKind::kDodecahedron:
            return {Polyhedron<R::kDodecahedron>, PolyhedronOutline<R::kDodecahedron>};
        case ShapeKind::kIcosahedron:
            return {Polyhedron<R::kIcosahedron>, PolyhedronOutline<R::kIcosahedron>};
        case ShapeKind::kCylinder:
            return {Cylinder, CylinderOutline};
        case ShapeKind::kCone:
            return {Cone, ConeOutline};
        case ShapeKind::kTorus:
            return {Torus, TorusOutline};
        case ShapeKind::kTitle:
            return {Title, NoOutline};
        case ShapeKind::kCube:
            return {Cube, CubeOutline};
        case ShapeKind::kDisk:
            return {Disk, CircleOutline};
        case ShapeKind::kTeapot:
            return {Teapot, TeapotOutline};
        case ShapeKind::kC60:
            return {C60, CubeOutline};
        case ShapeKind::kCircleOutline:
            return {Circle, CircleOutline};
        case ShapeKind::kSphereWire:
            return {SphereWire, SphereOutline};
        case ShapeKind::kCuboidWire:
            return {CuboidWire, CuboidOutline};
        case ShapeKind::kTetrahedronWire:
            return {PolyhedronWire<R::kTetrahedron>, PolyhedronOutline<R::kTetrahedron>};
        case ShapeKind::kOctahedronWire:
            return {PolyhedronWire<R::kOctahedron>, PolyhedronOutline<R::kOctahedron>};
        case ShapeKind::kDodecahedronWire:
            return {PolyhedronWire<R::kDodecahedron>, PolyhedronOutline<R::kDodecahedron>};
        case ShapeKind::kIcosahedronWire:
            return {PolyhedronWire<R::kIcosahedron>, PolyhedronOutline<R::kIcosahedron>};
        case ShapeKind::kCylinderSide:
            return {Nothing, CylinderOutline, CylinderLines, CylinderBody};
        case ShapeKind::kConeSide:
            return {Nothing, ConeOutline, ConeLines, ConeBody};
        case ShapeKind::kFrustumSide:
            return {Nothing, FrustumOutline, FrustumLines, FrustumHidingBody};
        case ShapeKind::kTeapotWire:
            return {TeapotWire, TeapotOutline};
        case ShapeKind::kSphereOutline:
            return {Nothing, SphereOutline, SphereLines, SphereBody};
        case ShapeKind::kPageComponent:
            return {Nothing, NoOutline};  // the view draws the page it shows
    }
    return {Nothing, NoOutline};
}

}  // namespace

SolidShape ShapeOf(const ShapeValues& values) {
    SolidShape shape;
    KindShapeOf(values.kind).shape(values, shape);
    return shape;
}

SolidOutline OutlineOf(const ShapeValues& values) {
    SolidOutline outline;
    KindShapeOf(values.kind).outline(values, outline);
    return outline;
}

bool HasSilhouette(ShapeKind kind) {
    return KindShapeOf(kind).silhouette != nullptr;
}

std::vector<MeshLine> SilhouetteOf(const ShapeValues& values, const Vec3& eye) {
    const KindShape k = KindShapeOf(values.kind);
    return k.silhouette ? k.silhouette(values, eye) : std::vector<MeshLine>{};
}

std::vector<Surface> HidingBodyOf(const ShapeValues& values) {
    const KindShape k = KindShapeOf(values.kind);
    if (k.hiding == nullptr) {
        return {};
    }
    std::vector<Surface> body = k.hiding(values);
    for (Surface& surface : body) {
        for (MeshVertex& v : surface.vertices) {
            v.position = kHidingScale * v.position;
        }
    }
    return body;
}

double DrawnShapeValue(ShapeKind kind, double value) {
    if (kind != ShapeKind::kFrustumSide) {
        return value;
    }
    return value == 1.0 ? 0.999 : value == 0.0 ? 0.0001 : value;
}

}  // namespace velnor
