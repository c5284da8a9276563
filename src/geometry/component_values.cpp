#include "geometry/component_values.h"

#include <array>

#include "geometry/page_geometry.h"
#include "geometry/tolerances.h"

namespace velnor {

namespace {

constexpr std::array<const char*, 27> kKindEntries{
    "(实体)球",       "    平面",     "    正四面体", "    正八面体", "    正十二面体",
    "    正二十面体", "    圆柱体",   "    圆锥体",   "    圆环",     "    3D文字",
    "    正方体",     "    圆面",     "    茶壶",     "    C60",      "(线框)圆",
    "    球",         "    长方体",   "    正四面体", "    正八面体", "    正十二面体",
    "    正二十面体", "    圆柱侧面", "    圆锥侧面", "    圆台侧面", "    茶壶",
    "    球面",       "    组件页",
};

// What a new solid of each kind starts with: its scale across and along its axis, the height of
// its base, and whether it stands facing the front (axis -y) rather than upright.
struct KindDefaults {
    float across = 6.0f;
    float along = 6.0f;
    float baseHeight = 0.0f;
    bool facesTheFront = false;
};

constexpr KindDefaults kUpright{};
constexpr KindDefaults kFacingFront{6.0f, 6.0f, 0.0f, true};
constexpr KindDefaults kDodecahedron{3.0f, 3.0f};
constexpr KindDefaults kSideOfFive{5.0f, 10.0f, -5.0f};

constexpr std::array<KindDefaults, 27> kKindDefaults{{
    kUpright,                  // sphere
    kUpright,                  // plane
    kUpright,                  // tetrahedron
    kUpright,                  // octahedron
    kDodecahedron,             // dodecahedron
    kUpright,                  // icosahedron
    {6.0f, 18.84f, -9.42f},    // cylinder
    {6.0f, 12.0f, -6.0f},      // cone
    kUpright,                  // torus
    kFacingFront,              // 3D title
    kFacingFront,              // cube
    kUpright,                  // disk
    kFacingFront,              // teapot
    {10.0f, 10.0f},            // C60
    kUpright,                  // circle
    kUpright,                  // wire sphere
    kUpright,                  // wire cuboid
    kUpright,                  // wire tetrahedron
    kUpright,                  // wire octahedron
    kDodecahedron,             // wire dodecahedron
    kUpright,                  // wire icosahedron
    kSideOfFive,               // cylinder side
    kSideOfFive,               // cone side
    {7.07107f, 10.0f, -5.0f},  // frustum side
    kFacingFront,              // wire teapot
    {8.6602545f, 8.6602545f},  // sphere surface
    {1.0f, 1.0f},              // page component
}};

constexpr uint32_t kClipPlane1Bit = 1;
constexpr uint32_t kClipPlane2Bit = 2;

// The face's plane divided by its first coefficient that is clearly not zero (by 1 when none is).
Plane ScaledFacePlane(const CGpage& page, const CFaceCell& face) {
    const PlaneEquation plane = CornersOf(page, face).Plane();
    float leading = 1.0f;
    if (Exceeds(plane.n.x, kEpsCoplanar)) {
        leading = plane.n.x;
    } else if (Exceeds(plane.n.y, kEpsCoplanar)) {
        leading = plane.n.y;
    } else if (Exceeds(plane.n.z, kEpsCoplanar)) {
        leading = plane.n.z;
    }
    return {plane.n.x / leading, plane.n.y / leading, plane.n.z / leading, plane.d / leading};
}

void ShowKindControls(ComponentValues& values, int kind) {
    values.kind = kind;
    values.showsPageComponent = kind == kSolidPageComponent;
    values.showsRatio = kind == kSolidFrustumSide;
}

void SetScale(ComponentValues& values, float xy, float z) {
    values.scale = {xy, xy, z};
}

void SetBaseHeight(ComponentValues& values, float z) {
    if (!values.centreFromVertex) {
        values.centre[2] = z;
    }
}

}  // namespace

std::span<const char* const> ComponentKindEntries() {
    return kKindEntries;
}

ComponentValues NewComponentValues(const CGpage& page, int componentCount) {
    ComponentValues values;
    values.pageComponent = componentCount > 0 ? 0 : -1;
    if (page.m_selPoints.size() == 1) {
        const Vec3 p = VertexPosition(page, page.m_selPoints.front());
        values.centre = {p.x, p.y, p.z};
        values.centreFromVertex = true;
    }
    if (page.m_selLines.size() == 1) {
        if (const CLineCell* line = FindLine(page, page.m_selLines.front())) {
            const LineEnds ends = EndsOf(page, *line);
            const Vec3 d = ends.b - ends.a;
            values.axis = {d.x, d.y, d.z};
            values.axisFromLine = true;
        }
    }
    if (page.m_selFaces.size() == 1) {
        const CFaceCell* face = FindFace(page, page.m_selFaces.front());
        if (face != nullptr && CornersOf(page, *face).hasPlane) {
            values.clipPlane1 = ScaledFacePlane(page, *face);
        }
    }
    return values;
}

ComponentValues ComponentValuesOf(const CSubassembly& solid) {
    ComponentValues values;
    values.centre = solid.m_position;
    values.axis = solid.m_direction;
    values.scale = solid.m_scale;
    values.pageComponent = solid.m_nComponent - 1;
    values.spin = solid.m_fSpin;
    values.clip = solid.m_nClipMode != 0;
    values.clipPlane1On = (solid.m_nClipMode & kClipPlane1Bit) != 0;
    values.clipPlane2On = (solid.m_nClipMode & kClipPlane2Bit) != 0;
    values.clipPlane1 = solid.m_clipPlane1;
    values.clipPlane2 = solid.m_clipPlane2;
    values.ratio = solid.m_dShape;
    ShowKindControls(values, solid.m_nKind);
    return values;
}

void ChooseKindForNew(ComponentValues& values, int kind) {
    ShowKindControls(values, kind);
    const bool known = kind >= 0 && kind < static_cast<int>(kKindDefaults.size());
    const KindDefaults& defaults = known ? kKindDefaults[static_cast<size_t>(kind)] : kUpright;
    SetScale(values, defaults.across, defaults.along);
    if (!values.axisFromLine) {
        values.axis = defaults.facesTheFront ? Float3{0.0f, -1.0f, 0.0f} : Float3{0.0f, 0.0f, 1.0f};
    }
    SetBaseHeight(values, defaults.baseHeight);
}

void ChooseKindForModify(ComponentValues& values, int kind) {
    ShowKindControls(values, kind);
}

uint32_t ClipModeOf(const ComponentValues& values) {
    if (!values.clip) {
        return 0;
    }
    return (values.clipPlane1On ? kClipPlane1Bit : 0) | (values.clipPlane2On ? kClipPlane2Bit : 0);
}

}  // namespace velnor
