#pragma once

#include <vector>

#include "model/page.h"

namespace velnor {

// The cells one section added, which show and hide together.
struct SectionStepCells {
    std::vector<int> points;
    std::vector<int> lines;
    std::vector<int> faces;
};

// How many buttons AddSectionStepButtons adds for that many sections (at least two).
int SectionStepButtonCount(int sections);

// Adds the buttons that step from each section to the next, the first shown and the others
// hidden: for each pair of neighbours a hidden parallel series of a show/hide button that hides
// the one and another, already in its shown-state, that shows the next; and, first and shown,
// the serial series "截面移动" of those pairs. Each pair holds its section in view a while before
// the next, so that the class can follow; a second press walks the sections back. Returns how
// many buttons were added.
int AddSectionStepButtons(CGpage& page, const std::vector<SectionStepCells>& sections);

}  // namespace velnor
