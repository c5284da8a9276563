#pragma once

#include "model/button_cells.h"
#include "model/page.h"

namespace velnor {

// The values a translate or rotate button keeps from the start of its forward run, so that the
// end of its backward run puts its targets back exactly. Saving sizes the arrays to the targets.
void SaveTargets(const CGpage& page, CBtnTranslate& button);
void SaveTargets(const CGpage& page, CBtnRotatef& button);
void RestoreTargets(CGpage& page, const CBtnTranslate& button);
void RestoreTargets(CGpage& page, const CBtnRotatef& button);

}  // namespace velnor
