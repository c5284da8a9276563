#include "editing/transform_cells.h"

#include "geometry/page_geometry.h"

namespace velnor {

namespace {

template <typename PointChange, typename SolidChange>
void ForEachCell(CGpage& page, std::span<const int> verts, std::span<const int> solids,
                 PointChange changePoint, SolidChange changeSolid) {
    for (int i : verts) {
        if (IsVertexIndex(i)) {
            page.m_pos[i] = changePoint(page.m_pos[i]);
        }
    }
    for (int key : solids) {
        if (CSubassembly* solid = FindSolid(page, key)) {
            changeSolid(*solid);
        }
    }
}

Float3 Shifted(const Float3& p, const Float3& t) {
    return {p[0] + t[0], p[1] + t[1], p[2] + t[2]};
}

Float3 Scaled(const Float3& p, const Float3& f) {
    return {p[0] * f[0], p[1] * f[1], p[2] * f[2]};
}

}  // namespace

bool IsVertexIndex(int index) {
    return index >= 0 && index < CGpage::kMaxVertices;
}

void TranslateCells(CGpage& page, std::span<const int> verts, std::span<const int> solids,
                    const Float3& t) {
    ForEachCell(
        page, verts, solids, [&](const Float3& p) { return Shifted(p, t); },
        [&](CSubassembly& solid) { solid.m_position = Shifted(solid.m_position, t); });
}

void RotateCells(CGpage& page, std::span<const int> verts, std::span<const int> solids,
                 const Rotation& rotation) {
    ForEachCell(
        page, verts, solids, [&](const Float3& p) { return rotation.Apply(p); },
        [&](CSubassembly& solid) { rotation.Apply(solid); });
}

void ScaleCells(CGpage& page, std::span<const int> verts, std::span<const int> solids,
                const Float3& factors) {
    ForEachCell(
        page, verts, solids, [&](const Float3& p) { return Scaled(p, factors); },
        [&](CSubassembly& solid) {
            solid.m_position = Scaled(solid.m_position, factors);
            solid.m_scale = Scaled(solid.m_scale, factors);
        });
}

}  // namespace velnor
