#include "buttons/run_end.h"

#include "model/button_window_seam.h"

namespace velnor {

void SetWindowText(const CBtCmd& button, const std::string& text) {
    ButtonWindows().SetCaption(button.m_nKey, text);
}

bool FinishForwardRun(CBtCmd& button) {
    SetWindowText(button, button.m_strCaption + "复位");
    button.m_nState = 1;
    button.m_nTick = 0;
    if (button.m_bTwoWay) {
        return true;
    }
    button.m_bRunning = 0;
    return false;
}

bool FinishBackwardRun(CBtCmd& button) {
    button.m_bRunning = 0;
    SetWindowText(button, button.m_strCaption);
    button.m_nState = 0;
    button.m_nTick = 0;
    return false;
}

}  // namespace velnor
