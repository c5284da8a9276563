#pragma once

#include "model/page.h"

namespace velnor {

// Adds to the selection every cell that cannot stay without a selected one: lines and faces on a
// selected vertex, texts measuring one, buttons acting on a selected vertex, line, face or solid,
// and then, as often as it adds something, series buttons with a selected member. Solids hang on
// no vertex and are never added.
void ExtendSelectionWithDependants(CGpage& page);

}  // namespace velnor
