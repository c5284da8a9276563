#include "editing/tool_clicks.h"

#include <algorithm>

#include "editing/construction_commands.h"
#include "editing/record_additions.h"
#include "model/document.h"
#include "model/refresh_hint.h"

namespace velnor {

void ClickMidpointTool(CPlomDoc& doc, ToolState& state, const std::vector<PickHit>& hits) {
    if (hits.size() != 1 || hits.front().group != kPickLines) {
        return;
    }
    doc.CurrentPage().m_selLines.push_back(hits.front().item);
    RunMidpointCommand(doc);
    state.m_nStage = kStageNone;
}

void ClickLineTool(CPlomDoc& doc, ToolState& state, const std::vector<PickHit>& hits) {
    if (hits.size() != 1 || hits.front().group != kPickVertices) {
        return;
    }
    CGpage& page = doc.CurrentPage();
    const int vertex = hits.front().item;
    if (state.m_nStage != kStageSecond) {
        page.m_selPoints.assign(1, vertex);
        const Float3& p = page.m_pos[vertex];
        state.m_vStart = state.m_vCursor = {p[0], p[1], p[2]};
        state.m_fLevel = p[2];
        state.m_nStage = kStageSecond;
        return;
    }
    if (page.m_selPoints.size() == 1 && page.m_selPoints.front() == vertex) {
        return;
    }
    page.m_selPoints.push_back(vertex);
    const uint16_t before = page.m_nNextLineId;
    page.ClosePolygon();
    RecordAdditions(doc, "添加线", {.lines = page.m_nNextLineId - before});
    doc.Refresh(kHintLines);
    state.m_nStage = kStageFirstPoint;
}

void ClickFaceTool(CPlomDoc& doc, const std::vector<PickHit>& hits) {
    if (hits.empty() || hits.front().group != kPickVertices) {
        return;
    }
    // A polygon passes each corner once; a second click on a corner would make a broken face.
    std::vector<int>& corners = doc.CurrentPage().m_selPoints;
    if (std::find(corners.begin(), corners.end(), hits.front().item) == corners.end()) {
        corners.push_back(hits.front().item);
    }
}

void CloseFace(CPlomDoc& doc, ToolState& state) {
    CGpage& page = doc.CurrentPage();
    const size_t count = page.m_selPoints.size();
    if (count < 3 || count > ToolState::kMaxBase) {
        return;
    }
    if (page.AddFaceFromSelection()) {
        RecordAdditions(doc, "添加面", {.faces = 1});
    }
    page.m_selPoints.clear();
    state.m_nStage = kStageFirstPoint;
    doc.Refresh(kHintFaces);
}

}  // namespace velnor
