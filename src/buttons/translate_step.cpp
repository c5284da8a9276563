#include "buttons/button_step.h"
#include "buttons/run_end.h"
#include "buttons/saved_targets.h"
#include "editing/transform_cells.h"

namespace velnor {

namespace {

constexpr int kSaveTick = 0;
constexpr int kRestoreTick = 50;
constexpr int kFinishTick = 51;
constexpr float kShare = 0.02f;  // one of the 50 moves of a run

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
            SaveTargets(page, button);
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
        RestoreTargets(page, button);
        button.m_nTick = kFinishTick;
        return true;
    }
    button.m_nTick = t + 1;
    Move(page, button, -1.0f);
    return true;
}

}  // namespace velnor
