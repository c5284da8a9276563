#include <optional>

#include "geometry/circle_solids.h"
#include "geometry/solid_generators.h"

namespace velnor {

namespace {

constexpr Vec3 kUp{0.0f, 0.0f, 1.0f};
// Only the frustum reads its shape parameter; the other sides keep the usual value.
constexpr double kUnusedShape = 0.5;

// The side outline standing on the base circle, with the circles of its rims: the top rim first
// (when there is one), then the base.
AddedCells AddBody(CGpage& page, uint8_t kind, Vec3 base, float radius, float height, double shape,
                   std::optional<float> topRadius) {
    page.AddNewSolid(MakeOutlineSolid(kind, base, kUp, {radius, radius, height}, shape));
    if (topRadius) {
        page.AddNewSolid(MakeCircle(base + Vec3{0.0f, 0.0f, height}, kUp, *topRadius));
    }
    page.AddNewSolid(MakeCircle(base, kUp, radius));
    return {.solids = topRadius ? 3 : 2};
}

}  // namespace

AddedCells AddCylinder(CGpage& page, Vec3 centre, float radius, float height) {
    return AddBody(page, kSolidCylinderSide, centre, radius, height, kUnusedShape, radius);
}

AddedCells AddCone(CGpage& page, Vec3 centre, float radius, float height) {
    return AddBody(page, kSolidConeSide, centre, radius, height, kUnusedShape, std::nullopt);
}

AddedCells AddConeFrustum(CGpage& page, Vec3 centre, float radius, float height, float topRatio) {
    return AddBody(page, kSolidFrustumSide, centre, radius, height, topRatio, topRatio * radius);
}

}  // namespace velnor
