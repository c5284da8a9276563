#pragma once

namespace velnor {

// What the windows rebuild after an edit, besides marking the document modified and redrawing.
enum RefreshHint : int {
    kHintAll = 0,  // every manager-tree branch of the current page
    kHintVertices = 1,
    kHintLines = 2,
    kHintFaces = 3,
    kHintSolids = 4,
    kHintPageLabel = 10,  // the page name in the status bar
    kHintRedraw = 12,     // nothing more
};

}  // namespace velnor
