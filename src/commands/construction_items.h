#pragma once

#include "commands/command_entry.h"

namespace velnor {

// The constructions of the Create menu that act on selected points and lines.
CommandEntry MidpointItem();
CommandEntry IntersectionItem();
CommandEntry RatioPointItem();
CommandEntry SymmetricPointItem();
CommandEntry PerpendicularItem();
CommandEntry CommonPerpendicularItem();
CommandEntry ParallelItem();
CommandEntry AngleBisectorItem();

}  // namespace velnor
