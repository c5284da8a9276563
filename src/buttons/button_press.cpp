#include "buttons/button_press.h"

#include "buttons/series_members.h"
#include "model/document.h"

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

PressOutcome PressCurrentPageButton(CPlomDoc& doc, uint16_t key) {
    const PressOutcome outcome = PressButton(doc.CurrentPage(), key);
    if (outcome != PressOutcome::kNoButton) {
        doc.SetModifiedFlag();
    }
    return outcome;
}

}  // namespace velnor
