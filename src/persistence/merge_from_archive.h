#pragma once

#include <span>

#include "model/page.h"
#include "persistence/clipboard_payload.h"

namespace velnor {

// Pastes copied cells into the page under fresh keys and selects exactly the pasted items.
// Vertices are appended; indices of vertices that were not copied keep their value. Buttons are
// stacked by their new keys and get their windows. With more than 199 vertices in all it shows
// "不能完成粘贴,因为本页顶点数已达界限,请新建一页", adds nothing and returns false (the selection
// is emptied all the same). A pasted cell that would name a vertex the page does not have, or a
// pasted button that names a line, face, solid or member button that is neither pasted with it
// nor on the page, is refused with ArchiveError, and then the page is left as it was.
bool MergeFromArchive(CGpage& page, ClipboardSelection selection);

}  // namespace velnor
