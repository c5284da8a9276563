#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/page.h"

namespace velnor {

// What travels through the clipboard: a whole page, or the selected part of one in six sections
// (vertices, buttons, lines, faces, solids, texts), in the order of the page's selection lists.

struct ClipboardVertex {
    uint16_t sourceIndex = 0;
    Float3 position{};
    Float3 color{};
    std::string label;
    uint8_t shown = 0;
};

template <typename Cell>
struct ClipboardCell {
    uint16_t sourceKey = 0;
    std::unique_ptr<Cell> cell;
};

struct ClipboardSelection {
    std::vector<ClipboardVertex> vertices;
    std::vector<std::unique_ptr<CBtCmd>> buttons;  // each holds its source key
    std::vector<ClipboardCell<CLineCell>> lines;
    std::vector<ClipboardCell<CFaceCell>> faces;
    std::vector<ClipboardCell<CSubassembly>> solids;
    std::vector<std::unique_ptr<CDTextCell>> texts;
};

struct ClipboardContent {
    std::unique_ptr<CGpage> page;  // set for a whole page
    ClipboardSelection selection;  // otherwise
};

// The whole page. The page is stored as it is; the copy command resets its component number.
std::vector<uint8_t> EncodePageClipboard(const CGpage& page);

// The cells the page's selection lists name, in their order; keys that name no cell are left
// out. A rich-text bitmap text travels as a plain bitmap text.
std::vector<uint8_t> EncodeSelectionClipboard(const CGpage& page);

// Reads either form. Throws ArchiveError for damaged data, and for a page with a reference that
// names nothing on it.
ClipboardContent DecodeClipboard(std::span<const uint8_t> bytes);

}  // namespace velnor
