#pragma once

#include "model/page.h"
#include "model/point_cell.h"

namespace velnor {

// The row of vertex `index` as a snapshot, and the way back.
CPointCell SnapshotVertex(const CGpage& page, int index);
void WriteVertex(CGpage& page, int index, const CPointCell& snapshot);

}  // namespace velnor
