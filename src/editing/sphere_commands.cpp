#include "editing/sphere_commands.h"

#include <memory>

#include "editing/cmd_add_cells.h"
#include "editing/cmd_add_points.h"
#include "editing/cmd_compound.h"
#include "geometry/circle_solids.h"
#include "geometry/page_room.h"
#include "geometry/sphere_constructions.h"
#include "geometry/sphere_messages.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

bool AddGeometricSphereFigure(CPlomDoc& doc, Vec3 centre, float radius) {
    const auto added = AddGeometricSphere(doc.CurrentPage(), centre, radius);
    if (!added) {
        return false;
    }
    auto compound = std::make_unique<CCmdCompound>("添加几何球体");
    CCmdCompound& recorded = *compound;
    doc.CommandProcessor().AddCommand(std::move(compound));
    recorded.Append(std::make_unique<CCmdAddTis>(added->solids, doc, "添加组件"));
    recorded.Append(std::make_unique<CCmdAddPoints>(added->points, doc, "添加点"));
    recorded.Append(std::make_unique<CCmdAddLines>(added->lines, doc, "添加线"));
    if (added->faces > 0) {
        recorded.Append(std::make_unique<CCmdAddFaces>(added->faces, doc));
    }
    doc.Refresh(kHintAll);
    return true;
}

bool AddSphereAxis(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    const CSubassembly* sphere = SelectedSolidOfKind(page, kSolidSphereOutline);
    if (!sphere) {
        return false;
    }
    if (!IsUprightRoundSphere(*sphere)) {
        ShowMessage(kNotUprightSphereMessage);
        return false;
    }
    if (!RoomForCells(page, {.points = 2, .lines = 1})) {
        return false;
    }
    const Vec3 c = ToVec3(sphere->m_position);
    const Vec3 up{0.0f, 0.0f, sphere->m_scale[0]};
    const Vec3 north = c + up;
    const Vec3 south = c - up;
    const int first = page.m_nVertexCount;
    page.AddVertex(north.x, north.y, north.z);
    page.AddVertex(south.x, south.y, south.z);
    page.AddLine(static_cast<uint8_t>(first), static_cast<uint8_t>(first + 1), 0);

    auto compound = std::make_unique<CCmdCompound>("添加极点、球轴");
    CCmdCompound& recorded = *compound;
    doc.CommandProcessor().AddCommand(std::move(compound));
    recorded.Append(std::make_unique<CCmdAddPoints>(2, doc, "添加球的极点"));
    recorded.Append(std::make_unique<CCmdAddLines>(1, doc, "添加球轴"));
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace velnor
