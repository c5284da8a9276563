#include "buttons/button_step.h"
#include "buttons/run_end.h"
#include "buttons/saved_targets.h"
#include "editing/transform_cells.h"

namespace velnor {

namespace {

constexpr int kSaveTick = 0;
constexpr int kRestoreTick = 50;
constexpr int kFinishTick = 51;
constexpr float kShare = 0.02f;  // one of the 50 turns of a run

}  // namespace

// Forward: save, 50 turns of angle/50, finish. Backward: 50 turns the other way (the angle's sign
// flips at every finish), then the saved values exactly, finish. A tick count past the finish, as
// a damaged file may hold, finishes at once.
bool StepRotate(CGpage& page, CBtnRotatef& button) {
    const int t = button.m_nTick;
    const int s = button.m_nState;
    if (t == kSaveTick && s == 0) {
        SaveTargets(page, button);
        button.m_nTick = 1;
        return true;
    }
    if (t == kRestoreTick && s == 1) {
        RestoreTargets(page, button);
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
