#pragma once

#include <string>
#include <vector>

namespace velnor {

class CPlomDoc;

// "select points|lines|faces|solids|buttons|texts ITEM...": that selection list of the current page
// becomes the items in the order given (vertex indices or keys); the other lists stay.
// "select page": the page as a whole. "select none": nothing at all.
void ScriptSelect(CPlomDoc& doc, const std::vector<std::string>& words);

}  // namespace velnor
