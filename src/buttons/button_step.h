#pragma once

#include "model/button_cells.h"
#include "model/page.h"

namespace velnor {

// One tick of a running button on its page: returns true while the button needs more ticks.
// Dispatches on the button's class; a button of no known kind needs none.
bool StepButton(CGpage& page, CBtCmd& button);

// The step of each kind.
bool StepShow(CGpage& page, CBtnShow& button);
bool StepTranslate(CGpage& page, CBtnTranslate& button);
bool StepRotate(CGpage& page, CBtnRotatef& button);
bool StepParallel(CGpage& page, CBtnSerues& button);
bool StepSerial(CGpage& page, CBtnSerues2& button);

}  // namespace velnor
