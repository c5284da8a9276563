#include "buttons/button_window.h"

#include "model/button_window_seam.h"

namespace velnor {

void CreateButtonWindow(const CBtCmd& button) {
    ButtonWindows().Create(button.m_nKey, button.WindowCaption(), button.m_rect);
    if (!button.m_bHidden) {
        ButtonWindows().Show(button.m_nKey, true);
    }
}

}  // namespace velnor
