#pragma once

#include <cstdint>
#include <vector>

#include "model/page.h"

namespace velnor {

// The bytes that "复制" puts on the clipboard.
// A selected page is copied whole: its component number is reset first, and when solids of the
// page show page components the user is warned that the copy only works in this document.
// Otherwise the selection is copied, extended over what the selected buttons act on and over the
// members of selected series; the page's selection lists are the same afterwards.
std::vector<uint8_t> CopyToClipboard(CGpage& page, bool pageSelected);

// Adds to the selection everything the selected buttons use, following series members in turn.
void ExtendSelectionOverButtons(CGpage& page);

}  // namespace velnor
