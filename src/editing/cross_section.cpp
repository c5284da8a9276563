#include "editing/cross_section.h"

#include <vector>

#include "editing/record_additions.h"
#include "editing/section_cells.h"
#include "geometry/page_geometry.h"
#include "geometry/page_room.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr const char* kCollinearPointsMessage = "所选三点在一条直线上，不能确定截面";
constexpr const char* kFlatFaceMessage = "所选面的顶点在一条直线上，不能确定截面";
constexpr const char* kNothingNewMessage = "截面与图中已有的面重合，不需另作";

}  // namespace

std::optional<CuttingPlane> PlaneOfSelection(const CGpage& page) {
    if (!CanAddCrossSection(page)) {
        return std::nullopt;
    }
    if (page.m_selPoints.size() == 3) {
        const std::vector<int>& p = page.m_selPoints;
        return PlaneThroughPoints(VertexPosition(page, p[0]), VertexPosition(page, p[1]),
                                  VertexPosition(page, p[2]));
    }
    const CFaceCell* face = FindFace(page, page.m_selFaces.front());
    return face ? PlaneOfFace(page, *face) : std::nullopt;
}

std::optional<CuttingPlane> SelectedCuttingPlane(const CGpage& page) {
    auto plane = PlaneOfSelection(page);
    if (!plane) {
        ShowMessage(page.m_selPoints.size() == 3 ? kCollinearPointsMessage : kFlatFaceMessage);
    }
    return plane;
}

bool CanAddCrossSection(const CGpage& page) {
    return (page.m_selPoints.size() == 3 && page.m_selFaces.empty()) ||
           (page.m_selFaces.size() == 1 && page.m_selPoints.empty());
}

bool AddCrossSection(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    if (!CanAddCrossSection(page)) {
        return false;
    }
    const auto plane = SelectedCuttingPlane(page);
    if (!plane) {
        return false;
    }
    const PlaneSection section = CutPageFaces(page, *plane);
    if (section.Empty()) {
        ShowMessage(kPlaneMissesMessage);
        return false;
    }
    const SectionPlan plan = PlanSection(page, section, ExistingFaces::kSkip);
    if (plan.Empty()) {
        ShowMessage(kNothingNewMessage);
        return false;
    }
    if (!RoomForCells(page, plan.Cells())) {
        return false;
    }
    RecordAdditions(doc, "添加截面", AddSection(page, section, plan));
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace velnor
