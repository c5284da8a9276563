#include "editing/section_animation.h"

#include <cmath>
#include <vector>

#include "editing/cross_section.h"
#include "editing/record_additions.h"
#include "editing/section_cells.h"
#include "editing/section_step_buttons.h"
#include "geometry/measure_text.h"
#include "geometry/page_geometry.h"
#include "geometry/page_room.h"
#include "geometry/text_format.h"
#include "geometry/tolerances.h"
#include "model/cell_keys.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr const char* kNoSpacingMessage = "平面间距不能为0";
constexpr const char* kOneSectionMessage = "只有一个平面与图形相交，截面无法移动，请减小平面间距";

struct PlannedSection {
    PlaneSection section;
    SectionPlan plan;
};

std::vector<PlannedSection> PlanSections(const CGpage& page, const CuttingPlane& first,
                                         const SectionAnimationValues& values) {
    const CuttingPlane facing = FacingTheFaces(page, first);
    std::vector<PlannedSection> planned;
    for (int k = 0; k < values.count; ++k) {
        PlaneSection section = CutPageFaces(page, Shifted(facing, k * values.spacing));
        SectionPlan plan = PlanSection(page, section, ExistingFaces::kRepeat);
        if (!plan.faces.empty()) {
            planned.push_back({std::move(section), std::move(plan)});
        }
    }
    return planned;
}

// An area text holds at most six vertices.
bool MeasurableArea(size_t corners) {
    return corners <= CDTextCell::kMaxVerts;
}

AddedCells CellsNeeded(const std::vector<PlannedSection>& planned) {
    AddedCells needed;
    for (const PlannedSection& p : planned) {
        needed += p.plan.Cells();
        for (const std::vector<int>& face : p.plan.faces) {
            needed.texts += MeasurableArea(face.size()) ? 1 : 0;
        }
    }
    needed.buttons = SectionStepButtonCount(static_cast<int>(planned.size()));
    return needed;
}

bool RoomForSections(const CGpage& page, const AddedCells& needed) {
    if (!RoomForCells(page, needed)) {
        return false;
    }
    if (page.m_nNextButtonId + needed.buttons - 1 > CGpage::kLastButtonKey) {
        ShowMessage(kButtonLimitMessage);
        return false;
    }
    return true;
}

// The area text of each face that has one; returns how many were added.
int AddAreaTexts(CGpage& page, const std::vector<int>& faces) {
    int added = 0;
    for (int face : faces) {
        if (MeasurableArea(FindFace(page, face)->Verts().size())) {
            page.ClearSelection();
            page.m_selFaces = {face};
            added += AddMeasureText(page, kFaceArea) ? 1 : 0;
        }
    }
    return added;
}

void Hide(CGpage& page, const SectionStepCells& cells) {
    for (int v : cells.points) {
        page.m_bShown[v] = 0;
    }
    for (int key : cells.lines) {
        page.m_lines.at(static_cast<uint16_t>(key))->m_bHidden = true;
    }
    for (int key : cells.faces) {
        page.m_faces.at(static_cast<uint16_t>(key))->m_bHidden = true;
    }
}

AddedCells AddSections(CGpage& page, const std::vector<PlannedSection>& planned) {
    AddedCells added;
    std::vector<SectionStepCells> steps;
    for (const PlannedSection& p : planned) {
        added += AddSection(page, p.section, p.plan);
        steps.push_back({page.m_selPoints, page.m_selLines, page.m_selFaces});
        added.texts += AddAreaTexts(page, steps.back().faces);
        if (steps.size() > 1) {
            Hide(page, steps.back());
        }
    }
    added.buttons = AddSectionStepButtons(page, steps);
    page.ClearSelection();
    return added;
}

}  // namespace

std::string SectionAnimationRefusal(const SectionAnimationValues& values) {
    if (values.count < 2 || values.count > kMaxSectionPlanes) {
        return RangeRefusal(2, kMaxSectionPlanes, true);
    }
    if (!Exceeds(values.spacing, kEpsConstruct)) {
        return kNoSpacingMessage;
    }
    return {};
}

std::optional<float> SpreadingSpacing(const CGpage& page, int count) {
    const auto plane = PlaneOfSelection(page);
    if (!plane || count < 1) {
        return std::nullopt;
    }
    const float spacing = FarthestAhead(page, FacingTheFaces(page, *plane)) / count;
    const float rounded = std::round(spacing * 100.0f) / 100.0f;
    if (!Exceeds(rounded, kEpsConstruct)) {
        return std::nullopt;
    }
    return rounded;
}

bool CanAddSectionAnimation(const CGpage& page) {
    return CanAddCrossSection(page);
}

bool AddSectionAnimation(CPlomDoc& doc, const SectionAnimationValues& values) {
    CGpage& page = doc.CurrentPage();
    if (!CanAddSectionAnimation(page)) {
        return false;
    }
    if (const std::string refusal = SectionAnimationRefusal(values); !refusal.empty()) {
        ShowMessage(refusal);
        return false;
    }
    const auto plane = SelectedCuttingPlane(page);
    if (!plane) {
        return false;
    }
    const std::vector<PlannedSection> planned = PlanSections(page, *plane, values);
    if (planned.size() < 2) {
        ShowMessage(planned.empty() ? kPlaneMissesMessage : kOneSectionMessage);
        return false;
    }
    if (!RoomForSections(page, CellsNeeded(planned))) {
        return false;
    }
    RecordAdditions(doc, "添加截面动画", AddSections(page, planned));
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace velnor
