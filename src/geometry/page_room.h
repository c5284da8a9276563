#pragma once

#include "model/added_cells.h"

namespace velnor {

class CGpage;

// Whether the page has free rows for `cells.points` new vertices and free keys for the other
// cells; if not, says so with "本页顶点数已达界限,请新建一页" or "本页图元数已达界限,请新建一页".
// Checked before anything is added, so that an addition is made whole or not at all.
bool RoomForCells(const CGpage& page, const AddedCells& cells);

}  // namespace velnor
