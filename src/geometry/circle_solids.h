#pragma once

#include <memory>

#include "geometry/vec3.h"
#include "model/page.h"
#include "model/subassembly.h"

namespace velnor {

// Clip planes every circle and outline solid starts with: the second keeps the side y < 0.
inline constexpr Plane kCircleClipPlane1{0.0, 0.0, 1.0, 0.0};
inline constexpr Plane kCircleClipPlane2{0.0, -1.0, 0.0, 0.0};

// An outline solid of any kind placed at `position`, turned towards `axis`, with no spin and no
// clipping; `shape` is the frustum's top-to-bottom ratio (0.5 for the others).
std::unique_ptr<CSubassembly> MakeOutlineSolid(uint8_t kind, Vec3 position, Vec3 axis, Vec3 scale,
                                               double shape = 0.5);

// A circle (kind 14, "圆*") with normal `axis` (not necessarily of unit length).
std::unique_ptr<CSubassembly> MakeCircle(Vec3 centre, Vec3 axis, float radius);

// A circle whose three scale factors (its radii) agree within kEpsConstruct.
bool IsCircular(const CSubassembly& circle);

// A sphere whose axis is vertical (x and y within kEpsConstruct) and whose radii agree; only such
// a sphere has poles, parallels and meridians. Its radius is then the first scale factor.
bool IsUprightRoundSphere(const CSubassembly& sphere);

// The selected solid when exactly one is selected and it has that kind; null otherwise.
const CSubassembly* SelectedSolidOfKind(const CGpage& page, uint8_t kind);

}  // namespace velnor
