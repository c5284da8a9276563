#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/document.h"

namespace velnor {

// "复制": the bytes for the clipboard; the whole current page while it is selected as a page,
// otherwise its selection.
std::vector<uint8_t> CopyFromDocument(CPlomDoc& doc);

// "粘贴" of clipboard bytes: a page is inserted after the current one as "粘贴页" and selected
// as a page; cells are merged into the current page and recorded as "粘贴图元". Damaged data
// throws ArchiveError and changes nothing.
void PasteIntoDocument(CPlomDoc& doc, std::span<const uint8_t> bytes);

}  // namespace velnor
