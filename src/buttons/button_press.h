#pragma once

#include <cstdint>

#include "model/page.h"

namespace velnor {

class CPlomDoc;

enum class PressOutcome {
    kNoButton,  // the page has no button under that key
    kPaused,    // the button was running and now waits where it is
    kStarted,   // the button runs (from its start, or on from where it was paused)
};

// A press on the page's button of that key: a running button pauses, any other starts or resumes.
PressOutcome PressButton(CGpage& page, uint16_t key);

// The view's handler of a button's control id: a press on the current page's button, which marks
// the document modified. On kStarted the view puts itself into button-animation mode and starts
// its timer if it is not running.
PressOutcome PressCurrentPageButton(CPlomDoc& doc, uint16_t key);

}  // namespace velnor
