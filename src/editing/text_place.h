#pragma once

namespace velnor {

class CDTextCell;

// A place in a view, in window pixels: x to the right, y downwards from the top edge.
struct TextPlace {
    int x = 0;
    int baseline = 0;
    bool operator==(const TextPlace&) const = default;
};

// Where a dynamic text is drawn in a view of viewWidth x viewHeight pixels, `textWidth` wide in
// a font `lineHeight` high: at its stored place, or shifted inside where it would run past an
// edge, so that a text placed on a wider window stays in sight. Its stored place is not changed;
// the hit test uses the same place, so a text is picked where it is seen.
TextPlace DrawnTextPlace(const CDTextCell& text, int textWidth, int lineHeight, int viewWidth,
                         int viewHeight);

}  // namespace velnor
