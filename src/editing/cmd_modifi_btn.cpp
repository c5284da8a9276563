#include "editing/cmd_modifi_btn.h"

#include "model/button_window.h"
#include "model/document.h"

namespace velnor {

CCmdModifiBtn::CCmdModifiBtn(uint16_t key, CPlomDoc& doc, std::string name,
                             std::unique_ptr<CBtCmd> other)
    : CCmd(std::move(name)), m_pDoc(&doc), m_nId(key), m_pOther(std::move(other)) {}

bool CCmdModifiBtn::Swap() {
    CellMap<CBtCmd>& buttons = m_pDoc->CurrentPage().m_buttons;
    std::unique_ptr<CBtCmd>& slot = buttons[m_nId];
    if (slot) {
        DestroyButtonWindow(*slot);
    }
    if (m_pOther) {
        CreateButtonWindow(*m_pOther, true);
    }
    slot.swap(m_pOther);
    if (!slot) {
        buttons.erase(m_nId);
    }
    m_pDoc->Refresh(kHintRedraw);
    return true;
}

}  // namespace velnor
