#pragma once

#include <string>

#include "model/page.h"

namespace velnor {

// What BuildSelectionReport gives for a selection it has nothing to say about.
inline constexpr const char* kNoSelectionReport = "!!";

// The report that the properties command shows for the selected vertices, lines and faces: a
// distance, a length, an area, or how two elements lie to each other. "!!" when the selection
// has no report.
std::string BuildSelectionReport(const CGpage& page);

}  // namespace velnor
