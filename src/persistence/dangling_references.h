#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/page.h"

namespace velnor {

// Takes out of the page every reference that names nothing on it: selected lines, faces and
// solids the page does not hold, the lines, faces and solids a button acts on (with what the
// button saved for such a solid), and members of a series that are not buttons of the page.
// Returns a sentence for each, in the order found.
std::vector<std::string> DropDanglingReferences(CGpage& page);

// Gives every page whose id an earlier page has already a fresh one, from nextPageId on, and
// moves nextPageId past it. Returns a sentence for each.
std::vector<std::string> RenumberRepeatedPageIds(std::vector<std::unique_ptr<CGpage>>& pages,
                                                 uint16_t& nextPageId);

}  // namespace velnor
