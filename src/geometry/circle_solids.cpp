#include "geometry/circle_solids.h"

#include "geometry/page_geometry.h"
#include "geometry/tolerances.h"
#include "model/page.h"

namespace velnor {

namespace {

Float3 ToFloat3(Vec3 v) {
    return {v.x, v.y, v.z};
}

bool Agree(float a, float b) {
    return !Exceeds(a - b, kEpsConstruct);
}

}  // namespace

std::unique_ptr<CSubassembly> MakeOutlineSolid(uint8_t kind, Vec3 position, Vec3 axis, Vec3 scale,
                                               double shape) {
    return std::make_unique<CSubassembly>(kind, 0, ToFloat3(position), 0.0f, ToFloat3(axis),
                                          ToFloat3(scale), shape, 0, kCircleClipPlane1,
                                          kCircleClipPlane2);
}

std::unique_ptr<CSubassembly> MakeCircle(Vec3 centre, Vec3 axis, float radius) {
    return MakeOutlineSolid(kSolidCircleOutline, centre, axis, {radius, radius, radius});
}

bool IsCircular(const CSubassembly& circle) {
    const Float3& s = circle.m_scale;
    return Agree(s[1], s[0]) && Agree(s[2], s[0]);
}

bool IsUprightRoundSphere(const CSubassembly& sphere) {
    const Float3& axis = sphere.m_direction;
    return !Exceeds(axis[0], kEpsConstruct) && !Exceeds(axis[1], kEpsConstruct) &&
           IsCircular(sphere);
}

const CSubassembly* SelectedSolidOfKind(const CGpage& page, uint8_t kind) {
    if (page.m_selSolids.size() != 1) {
        return nullptr;
    }
    const CSubassembly* solid = FindSolid(page, page.m_selSolids.front());
    return solid && solid->m_nKind == kind ? solid : nullptr;
}

}  // namespace velnor
