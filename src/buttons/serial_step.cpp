#include "buttons/button_step.h"
#include "buttons/run_end.h"
#include "buttons/series_members.h"

namespace velnor {

namespace {

bool IsPosition(const CBtnSerues2& button, int position) {
    return position >= 0 && position < static_cast<int>(button.m_members.size());
}

// The member order of a run: first to last forward, last to first backward.
int FirstPosition(const CBtnSerues2& button, bool forward) {
    if (button.m_members.empty()) {
        return CBtnSerues2::kNoCurrent;
    }
    return forward ? 0 : static_cast<int>(button.m_members.size()) - 1;
}

int FollowingPosition(const CBtnSerues2& button, int position, bool forward) {
    const int next = forward ? position + 1 : position - 1;
    return IsPosition(button, next) ? next : CBtnSerues2::kNoCurrent;
}

}  // namespace

// Starts its members one after another: each one tick after the one before has had all the ticks
// of its press. A member whose button is gone counts as a press of no ticks.
bool StepSerial(CGpage& page, CBtnSerues2& button) {
    const bool forward = button.m_nState == 0;
    const int b = button.m_nTick + 1;
    button.m_nTick = b;
    if (b >= button.m_nTicksOneWay) {
        button.m_nNextStart = 0;
        return forward ? FinishForwardRun(button) : FinishBackwardRun(button);
    }
    if (b == 1) {
        const int first = FirstPosition(button, forward);
        if (first == CBtnSerues2::kNoCurrent) {
            button.m_posCurrent = CBtnSerues2::kNoCurrent;
            return true;
        }
        const int key = button.m_members[first];
        StartMember(page, key);
        button.m_posCurrent = FollowingPosition(button, first, forward);
        button.m_nNextStart = MemberTicks(page, key) + 2;
        return true;
    }
    if (b != button.m_nNextStart || !IsPosition(button, button.m_posCurrent)) {
        return true;
    }
    const int key = button.m_members[button.m_posCurrent];
    StartMember(page, key);
    button.m_posCurrent = FollowingPosition(button, button.m_posCurrent, forward);
    button.m_nNextStart += MemberTicks(page, key) + 1;
    return true;
}

}  // namespace velnor
