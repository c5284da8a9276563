#pragma once

#include <string>

#include "model/page.h"

namespace velnor {

// Whether the selection fits a measurement request (1 to 12, or kSegmentLength): the enabling
// rule of its menu item.
bool CanAddMeasureText(const CGpage& page, int request);

// "两点间距离" measures two selected vertices, or else the one selected line.
int DistanceMeasureRequest(const CGpage& page);
bool CanMeasureDistance(const CGpage& page);

// The name of the undo record that adding a text of this request leaves.
std::string MeasureUndoName(int request);

}  // namespace velnor
