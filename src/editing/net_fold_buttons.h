#pragma once

#include "geometry/net_layout.h"
#include "model/page.h"

namespace velnor {

// How many buttons AddFoldButtons adds for the net.
int FoldButtonCount(const PolyhedronNet& net);

// Adds the buttons that fold the net (its vertices on the page from `firstVertex` on, moved by
// `shift` from where `net` has them) onto its solid and lay it flat again: a hidden translate
// button that moves the net back by `shift` onto the solid's base; a hidden rotate button per
// hinge; for each height with several hinges a hidden parallel series of them; and, shown where
// the first of the new buttons would stand, the serial series "折叠/展开" of the move and then the
// heights from the lowest up. A hinge turns while the faces it hangs from still lie flat, so its
// axis is where the net has it; unfolding runs the series backwards. Returns how many buttons
// were added.
int AddFoldButtons(CGpage& page, const PolyhedronNet& net, int firstVertex, Vec3 shift);

}  // namespace velnor
