#include "buttons/button_tick.h"

#include "buttons/button_step.h"
#include "geometry/measure_text.h"

namespace velnor {

bool StepRunningButtons(CGpage& page) {
    bool more = false;
    for (auto& [key, button] : page.m_buttons) {
        if (button->m_bRunning == 1) {
            more = StepButton(page, *button) || more;
        }
    }
    return more;
}

bool TickButtonAnimation(CGpage& page) {
    UpdateAllTexts(page);
    return StepRunningButtons(page);
}

}  // namespace velnor
