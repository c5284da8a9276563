#include "buttons/button_press.h"

#include "buttons/series_members.h"

namespace velnor {

PressOutcome PressButton(CGpage& page, uint16_t key) {
    CBtCmd* button = FindButton(page, key);
    if (!button) {
        return PressOutcome::kNoButton;
    }
    if (button->m_bRunning == 1) {
        button->m_bRunning = 0;
        return PressOutcome::kPaused;
    }
    button->m_bRunning = 1;
    return PressOutcome::kStarted;
}

}  // namespace velnor
