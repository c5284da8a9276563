#pragma once

#include "model/page.h"

namespace velnor {

// One step of every running button of the page, in the order of its button map; a member that
// a series starts during the pass is stepped in the same pass when it comes later in that order.
// Returns true while at least one of them needs more ticks.
bool StepRunningButtons(CGpage& page);

// Whether a button of the page is running (a recording can start from them without a press).
bool AnyButtonRuns(const CGpage& page);

// A timer tick in button-animation mode: the page's measurement texts follow the figure as it
// stands, then the running buttons step. When it returns false the view stops its timer and
// leaves button-animation mode; either way it redraws.
bool TickButtonAnimation(CGpage& page);

}  // namespace velnor
