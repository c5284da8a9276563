#include <algorithm>

#include "buttons/button_step.h"
#include "buttons/run_end.h"
#include "editing/transform_cells.h"

namespace velnor {

namespace {

constexpr int kSaveTick = 0;
constexpr int kRestoreTick = 50;
constexpr int kFinishTick = 51;
constexpr float kShare = 0.02f;  // one of the 50 moves of a run

void Save(CGpage& page, CBtnTranslate& button) {
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
        }
    }
}

void Restore(CGpage& page, const CBtnTranslate& button) {
    const size_t verts = std::min(button.m_targetVerts.size(), button.m_savedVerts.size());
    for (size_t i = 0; i < verts; ++i) {
        const int v = button.m_targetVerts[i];
        if (IsVertexIndex(v)) {
            page.m_pos[v] = button.m_savedVerts[i];
        }
    }
    const size_t solids = std::min(button.m_targetSolids.size(), button.m_savedSolidPos.size());
    for (size_t i = 0; i < solids; ++i) {
        if (CSubassembly* solid = FindSolid(page, button.m_targetSolids[i])) {
            solid->m_position = button.m_savedSolidPos[i];
        }
    }
}

void Move(CGpage& page, const CBtnTranslate& button, float sign) {
    const float f = sign * kShare;
    const Float3 step{f * button.m_vector[0], f * button.m_vector[1], f * button.m_vector[2]};
    TranslateCells(page, button.m_targetVerts, button.m_targetSolids, step);
}

}  // namespace

// Forward: save, 50 moves of v/50, finish. Backward: 50 moves back, then the saved positions
// exactly (so rounding never drifts), finish. A tick count past the finish, as a damaged file may
// hold, finishes at once instead of moving on for ever.
bool StepTranslate(CGpage& page, CBtnTranslate& button) {
    const int t = button.m_nTick;
    if (button.m_nState == 0) {
        if (t == kSaveTick) {
            Save(page, button);
            button.m_nTick = 1;
            return true;
        }
        if (t >= kFinishTick) {
            return FinishForwardRun(button);
        }
        button.m_nTick = t + 1;
        Move(page, button, 1.0f);
        return true;
    }
    if (t >= kFinishTick) {
        return FinishBackwardRun(button);
    }
    if (t == kRestoreTick) {
        Restore(page, button);
        button.m_nTick = kFinishTick;
        return true;
    }
    button.m_nTick = t + 1;
    Move(page, button, -1.0f);
    return true;
}

}  // namespace velnor
