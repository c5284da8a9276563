#include "editing/cmd_add_button.h"

#include <algorithm>

#include "model/button_window.h"
#include "model/document.h"

namespace velnor {

CCmdAddButton::CCmdAddButton(CPlomDoc& doc, std::string name)
    : CCmdAddButton(doc, std::move(name), doc.CurrentPage().m_buttonGrants.TakeLast()) {}

CCmdAddButton::CCmdAddButton(CPlomDoc& doc, std::string name, std::optional<KeyGrant> grant)
    : CCmd(std::move(name)),
      m_pDoc(&doc),
      m_grant(grant),
      m_nCounterAfter(doc.CurrentPage().m_nNextButtonId) {}

bool CCmdAddButton::Undo() {
    CGpage& page = m_pDoc->CurrentPage();
    if (!m_grant) {
        return true;
    }
    std::erase(page.m_selButtons, m_grant->key);
    if (auto node = page.m_buttons.extract(m_grant->key)) {
        m_pHeld = std::move(node.mapped());
        DestroyButtonWindow(*m_pHeld);
    }
    page.m_nNextButtonId = m_grant->counterBefore;
    return true;
}

bool CCmdAddButton::Redo() {
    CGpage& page = m_pDoc->CurrentPage();
    if (!m_grant) {
        return true;
    }
    if (m_pHeld) {
        CreateButtonWindow(*m_pHeld, true);
        page.m_buttons[m_grant->key] = std::move(m_pHeld);
    }
    page.m_nNextButtonId = m_nCounterAfter;
    return true;
}

}  // namespace velnor
