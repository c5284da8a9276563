#include "editing/cmd_add_button.h"

#include <algorithm>

#include "model/button_window.h"
#include "model/document.h"

namespace velnor {

CCmdAddButton::CCmdAddButton(CPlomDoc& doc, std::string name)
    : CCmd(std::move(name)), m_pDoc(&doc) {}

bool CCmdAddButton::Undo() {
    CGpage& page = m_pDoc->CurrentPage();
    const uint16_t key = --page.m_nNextButtonId;
    std::erase(page.m_selButtons, key);
    if (auto node = page.m_buttons.extract(key)) {
        m_pHeld = std::move(node.mapped());
        DestroyButtonWindow(*m_pHeld);
    }
    return true;
}

bool CCmdAddButton::Redo() {
    CGpage& page = m_pDoc->CurrentPage();
    const uint16_t key = page.m_nNextButtonId++;
    if (m_pHeld) {
        CreateButtonWindow(*m_pHeld, true);
        page.m_buttons[key] = std::move(m_pHeld);
    }
    return true;
}

}  // namespace velnor
