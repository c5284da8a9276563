#include "buttons/button_tick.h"

#include <algorithm>

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

bool AnyButtonRuns(const CGpage& page) {
    return std::any_of(page.m_buttons.begin(), page.m_buttons.end(),
                       [](const auto& entry) { return entry.second->m_bRunning == 1; });
}

bool TickButtonAnimation(CGpage& page) {
    UpdateAllTexts(page);
    return StepRunningButtons(page);
}

}  // namespace velnor
