#include <algorithm>

#include "buttons/button_step.h"
#include "buttons/run_end.h"
#include "editing/transform_cells.h"

namespace velnor {

namespace {

constexpr int kSaveTick = 0;
constexpr int kRestoreTick = 50;
constexpr int kFinishTick = 51;
constexpr float kShare = 0.02f;  // one of the 50 turns of a run

void Save(CGpage& page, CBtnRotatef& button) {
    button.ResizeSaved();
    for (size_t i = 0; i < button.m_targetVerts.size(); ++i) {
        const int v = button.m_targetVerts[i];
        if (IsVertexIndex(v)) {
            button.m_savedVerts[i] = page.m_pos[v];
        }
    }
    for (size_t i = 0; i < button.m_targetSolids.size(); ++i) {
        if (const CSubassembly* solid = FindSolid(page, button.m_targetSolids[i])) {
            button.m_savedSolidPos[i] = solid->m_position;
            button.m_savedSolidAxis[i] = solid->m_direction;
            button.m_savedSolidAngle[i] = solid->m_fSpin;
        }
    }
}

void Restore(CGpage& page, const CBtnRotatef& button) {
    const size_t verts = std::min(button.m_targetVerts.size(), button.m_savedVerts.size());
    for (size_t i = 0; i < verts; ++i) {
        const int v = button.m_targetVerts[i];
        if (IsVertexIndex(v)) {
            page.m_pos[v] = button.m_savedVerts[i];
        }
    }
    const size_t solids =
        std::min({button.m_targetSolids.size(), button.m_savedSolidPos.size(),
                  button.m_savedSolidAxis.size(), button.m_savedSolidAngle.size()});
    for (size_t i = 0; i < solids; ++i) {
        if (CSubassembly* solid = FindSolid(page, button.m_targetSolids[i])) {
            solid->m_position = button.m_savedSolidPos[i];
            solid->m_direction = button.m_savedSolidAxis[i];
            solid->m_fSpin = button.m_savedSolidAngle[i];
        }
    }
}

}  // namespace

// Forward: save, 50 turns of angle/50, finish. Backward: 50 turns the other way (the angle's sign
// flips at every finish), then the saved values exactly, finish. A tick count past the finish, as
// a damaged file may hold, finishes at once.
bool StepRotate(CGpage& page, CBtnRotatef& button) {
    const int t = button.m_nTick;
    const int s = button.m_nState;
    if (t == kSaveTick && s == 0) {
        Save(page, button);
        button.m_nTick = 1;
        return true;
    }
    if (t == kRestoreTick && s == 1) {
        Restore(page, button);
        button.m_nTick = kFinishTick;
        return true;
    }
    if (t >= kFinishTick) {
        button.m_angle = -button.m_angle;
        return s == 1 ? FinishBackwardRun(button) : FinishForwardRun(button);
    }
    button.m_nTick = t + 1;
    const Rotation turn(button.m_axisPoint, button.m_axisDir, button.m_angle * kShare);
    RotateCells(page, button.m_targetVerts, button.m_targetSolids, turn);
    return true;
}

}  // namespace velnor
