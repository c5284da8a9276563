#pragma once

namespace velnor {

class CPlomDoc;

// "清除": deletes the selection of the current page with everything that depends on it, or the
// whole current page when the page itself is selected (emptying it when it is the only page).
// Does nothing while the view selects an image region, or when nothing is selected.
void ClearSelected(CPlomDoc& doc, bool selectingImageRegion);

}  // namespace velnor
