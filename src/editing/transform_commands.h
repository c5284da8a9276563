#pragma once

#include "model/page.h"

namespace velnor {

class CPlomDoc;

// The three transformations are offered when a vertex or a solid is selected.
bool CanTransform(const CGpage& page);

// Each applies the current page's definition once to the selected vertices and solids and
// records the change ("平移变换", "旋转变换", "放缩变换"). The selection stays.
void TranslateSelection(CPlomDoc& doc);
void RotateSelection(CPlomDoc& doc);
void ScaleSelection(CPlomDoc& doc);

}  // namespace velnor
