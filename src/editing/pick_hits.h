#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "editing/text_place.h"

namespace velnor {

class CDTextCell;
class CGpage;

// The name groups of a pick pass: every item is drawn with its group's name, then its own.
enum PickGroup : int {
    kPickVertices = 1,  // shown vertices, named by vertex index
    kPickLines = 2,     // lines, by key
    kPickFaces = 3,     // faces, by key
    kPickSolids = 4,    // solids, by key
};

struct PickHit {
    int group = 0;
    int item = 0;
    bool operator==(const PickHit&) const = default;
};

// The hits of a selection buffer in buffer order, which is the drawing order. Each record is
// (name count, min depth, max depth, names...); only records of a group and an item name count.
// A negative hit count (the buffer overflowed) or a record running past the buffer ends the list.
std::vector<PickHit> ParseHitRecords(std::span<const uint32_t> buffer, int hitCount);

// Removes `key` from the list if present, else appends it.
void ToggleKey(std::vector<int>& list, int key);

// A click of the selection tool. No hit empties all six lists. Otherwise only the hits of the
// first hit's group count: a selected item is unselected (and any candidate forgotten), the first
// unselected one after that becomes the candidate, and the candidate is selected at the end.
void ToggleSelectionByHits(CGpage& page, const std::vector<PickHit>& hits);

// Whether such a click would take something out of the selection: a hit of the group it acts on
// is selected already, or it hits nothing while something is selected. A Ctrl press there may
// start moving the selection, so the view applies the click only when the button comes up
// without having moved it.
bool ClickTakesAwaySelection(const CGpage& page, const std::vector<PickHit>& hits);

// The 2D hit boxes of the overlay, in window pixels (y downwards). A button's handle is the
// strip 10 pixels wide to the left of it; a dynamic text is the box 220 wide and 20 high that
// starts at the place it is drawn at (`placeOf`) and ends at its baseline. Hidden buttons and
// texts are never hit.
std::optional<uint16_t> ButtonHandleAt(const CGpage& page, int x, int y);
std::optional<uint16_t> TextAt(const CGpage& page, int x, int y,
                               const std::function<TextPlace(const CDTextCell&)>& placeOf);

}  // namespace velnor
