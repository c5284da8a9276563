#pragma once

#include <cstdint>

#include "model/page.h"

namespace velnor {

enum class PressOutcome {
    kNoButton,  // the page has no button under that key
    kPaused,    // the button was running and now waits where it is
    kStarted,   // the button runs (from its start, or on from where it was paused)
};

// A press on the page's button of that key. On kStarted the view puts itself into button-animation
// mode and starts its timer if it is not running; the document is marked modified on either
// outcome.
PressOutcome PressButton(CGpage& page, uint16_t key);

}  // namespace velnor
