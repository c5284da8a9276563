#include "model/button_window.h"

#include "model/button_window_seam.h"

namespace velnor {

void CreateButtonWindow(const CBtCmd& button, bool visible) {
    ButtonWindows().Create(button.m_nKey, button.WindowCaption(), button.m_rect);
    if (visible && !button.m_bHidden) {
        ButtonWindows().Show(button.m_nKey, true);
    }
}

void DestroyButtonWindow(const CBtCmd& button) {
    ButtonWindows().Destroy(button.m_nKey);
}

}  // namespace velnor
