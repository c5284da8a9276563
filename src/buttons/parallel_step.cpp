#include "buttons/button_step.h"
#include "buttons/run_end.h"
#include "buttons/series_members.h"

namespace velnor {

// Starts every member on its first tick and then only waits, as long as its longest member runs;
// the members step themselves.
bool StepParallel(CGpage& page, CBtnSerues& button) {
    const int t = button.m_nTick;
    button.m_nTick = t + 1;
    if (t >= button.m_nTicksOneWay) {
        button.m_nTick = 0;
        return button.m_nState == 1 ? FinishBackwardRun(button) : FinishForwardRun(button);
    }
    if (t == 0) {
        for (int key : button.m_members) {
            StartMember(page, key);
        }
    }
    return true;
}

}  // namespace velnor
