#include "buttons/button_drag.h"

#include "buttons/series_members.h"
#include "model/button_window_seam.h"

namespace velnor {

namespace {

constexpr int32_t kButtonWidth = 80;
constexpr int32_t kButtonHeight = 25;

}  // namespace

void MoveSelectedButtons(CGpage& page, int dx, int dy) {
    for (int key : page.m_selButtons) {
        CBtCmd* button = FindButton(page, key);
        if (!button) {
            continue;
        }
        CRect& rect = button->m_rect;
        rect.left += dx;
        rect.top += dy;
        rect.right = rect.left + kButtonWidth;
        rect.bottom = rect.top + kButtonHeight;
        ButtonWindows().Move(button->m_nKey, rect);
    }
}

}  // namespace velnor
