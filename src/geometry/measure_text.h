#pragma once

#include <cstdint>
#include <optional>

#include "geometry/measure_types.h"
#include "model/dtext_cell.h"
#include "model/page.h"

namespace velnor {

// Builds a measurement text of the requested type (1 to 12, or kSegmentLength) from the page's
// selection, stores it under the next text key and computes it. Returns its key; nothing when the
// selection does not fit the request, or (with "边数不要超过6!") when a face to measure for area
// has more than six vertices.
std::optional<uint16_t> AddMeasureText(CGpage& page, int request);

// Recomputes the value and the text from the page's current vertex positions. A text whose
// type is unknown or whose vertex list is too short for its type is left as it is.
void UpdateMeasure(const CGpage& page, CDTextCell& text);

// Recomputes every measurement text of the page; whatever moves or changes vertices calls it.
void UpdateAllTexts(CGpage& page);

}  // namespace velnor
