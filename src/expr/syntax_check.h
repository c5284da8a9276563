#pragma once

#include <string_view>

namespace velnor {

// Checks the formula after the first ':' of a normalised text: signs only at the start or right
// after '(', numbers with a digit after any point, single letters as operands, longer names only
// as function calls, operators between operands and balanced parentheses. A text without ':'
// fails.
bool IsValidFormulaSyntax(std::string_view normalised);

}  // namespace velnor
