#include "editing/text_place.h"

#include <algorithm>

#include "model/dtext_cell.h"

namespace velnor {

TextPlace DrawnTextPlace(const CDTextCell& text, int textWidth, int lineHeight, int viewWidth,
                         int viewHeight) {
    // A place read from a damaged file may lie anywhere in its 32 bits.
    const long long fromLeft = static_cast<long long>(viewWidth) - text.m_nPlaceX;
    const int x =
        static_cast<int>(std::clamp<long long>(fromLeft, 0, std::max(0, viewWidth - textWidth)));
    // A full line stays below the top edge, and the descenders (a quarter line) above the bottom.
    const int baseline =
        std::clamp(text.m_nPlaceY, std::min(lineHeight, viewHeight - lineHeight / 4),
                   viewHeight - lineHeight / 4);
    return {x, baseline};
}

}  // namespace velnor
