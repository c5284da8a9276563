#pragma once

namespace velnor {

class CPlomDoc;

// A command of the Measure menu on the document's current page: adds the measurement text of the
// request (1 to 12, or kSegmentLength), records it under its own undo name and redraws. Returns
// whether a text was added.
bool RunMeasureCommand(CPlomDoc& doc, int request);

}  // namespace velnor
