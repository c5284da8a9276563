#include "editing/circle_commands.h"

#include <memory>

#include "editing/cmd_add_cells.h"
#include "editing/record_additions.h"
#include "geometry/circle_constructions.h"
#include "geometry/circle_solids.h"
#include "geometry/page_geometry.h"
#include "geometry/page_room.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr const char* kCollinearMessage = "三点共线,不能确定一个圆!";
constexpr uint8_t kVectorKind = 3;
constexpr float kNormalLength = 4.0f;

}  // namespace

bool AddCircleThroughThreePoints(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    if (!CanAddCircleThroughThreePoints(page)) {
        return false;
    }
    const auto circle = CircleThroughThreePoints(VertexPosition(page, page.m_selPoints[0]),
                                                 VertexPosition(page, page.m_selPoints[1]),
                                                 VertexPosition(page, page.m_selPoints[2]));
    if (!circle) {
        ShowMessage(kCollinearMessage);
        return false;
    }
    page.AddNewSolid(MakeCircle(circle->centre, circle->axis, circle->radius));
    page.m_selPoints.clear();
    doc.CommandProcessor().AddCommand(std::make_unique<CCmdAddTis>(1, doc, "添加过三点的圆"));
    doc.Refresh(kHintSolids);
    return true;
}

bool AddCircleNormal(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    const CSubassembly* circle = SelectedSolidOfKind(page, kSolidCircleOutline);
    if (!circle) {
        return false;
    }
    // Both ends or neither: a lone centre would be a change nobody recorded.
    if (!RoomForCells(page, {.points = 2, .lines = 1})) {
        return false;
    }
    const Vec3 c = ToVec3(circle->m_position);
    const Vec3 tip = c + kNormalLength * ToVec3(circle->m_direction);
    const int start = page.m_nVertexCount;
    page.AddVertex(c.x, c.y, c.z);
    page.AddVertex(tip.x, tip.y, tip.z);
    page.AddLine(static_cast<uint8_t>(start), static_cast<uint8_t>(start + 1), kVectorKind);
    RecordAdditions(doc, "添加圆的法线", {.points = 2, .lines = 1});
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace velnor
