#pragma once

#include "model/button_cells.h"
#include "model/page.h"

namespace velnor {

// The member button under that key, or null when it is no longer on the page.
CBtCmd* FindButton(CGpage& page, int key);

// Sets the member running, so that it runs by itself from the next visit on.
void StartMember(CGpage& page, int key);

// Ticks of one press of the member; a member that is gone takes none.
int MemberTicks(CGpage& page, int key);

}  // namespace velnor
