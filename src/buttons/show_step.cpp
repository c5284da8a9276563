#include "buttons/button_step.h"
#include "buttons/run_end.h"
#include "editing/transform_cells.h"

namespace velnor {

namespace {

template <typename Map>
void SetHidden(Map& cells, const std::vector<int>& keys, bool hidden) {
    for (int key : keys) {
        const auto it = cells.find(static_cast<uint16_t>(key));
        if (it != cells.end()) {
            it->second->m_bHidden = hidden;
        }
    }
}

void ShowTargets(CGpage& page, const CBtnShow& button, bool shown) {
    for (int i : button.m_targetVerts) {
        if (IsVertexIndex(i)) {
            page.m_bShown[i] = shown ? 1 : 0;
        }
    }
    SetHidden(page.m_lines, button.m_targetLines, !shown);
    SetHidden(page.m_faces, button.m_targetFaces, !shown);
    SetHidden(page.m_solids, button.m_targetSolids, !shown);
}

}  // namespace

// Two ticks each way: the first changes the cells, the second finishes and relabels the button
// with what its next press will do.
bool StepShow(CGpage& page, CBtnShow& button) {
    const bool hiding = button.m_nState == 0;
    if (button.m_nTick == 0) {
        button.m_nTick = 1;
        ShowTargets(page, button, !hiding);
        return true;
    }
    button.m_nTick = 0;
    if (hiding) {
        SetWindowText(button, "显示");
        button.m_nState = 1;
        if (button.m_bTwoWay) {
            return true;
        }
        button.m_bRunning = 0;
        return false;
    }
    button.m_bRunning = 0;
    SetWindowText(button, "隐藏");
    button.m_nState = 0;
    return false;
}

}  // namespace velnor
