#pragma once

#include <functional>
#include <string>

#include "geometry/polyhedron.h"

namespace velnor {

// What the user is told when faces give no net. `faceName` and `cornerLabel` name the face and
// the corners the problem concerns.
std::string NetProblemText(const NetProblem& problem,
                           const std::function<std::string(int)>& faceName,
                           const std::function<std::string(int)>& cornerLabel);

}  // namespace velnor
