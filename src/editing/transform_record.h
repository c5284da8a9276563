#pragma once

#include <string>

namespace velnor {

class CPlomDoc;

// Records a transformation of the current page's selected vertices and solids, about to be
// applied: the command lists them and saves their values as they are now.
void RecordTransform(CPlomDoc& doc, int kind, const std::string& name);

}  // namespace velnor
