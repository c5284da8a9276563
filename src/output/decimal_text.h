#pragma once

#include <string>

namespace velnor {

// `value` with at most `places` decimals and no trailing zeros, as files written by us spell
// numbers: "12.5", "-3", "0".
void AppendDecimal(std::string& out, double value, int places);

}  // namespace velnor
