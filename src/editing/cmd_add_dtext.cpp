#include "editing/cmd_add_dtext.h"

#include <algorithm>

#include "model/document.h"

namespace velnor {

CCmdAddDtext::CCmdAddDtext(CPlomDoc& doc, std::string name)
    : CCmdAddDtext(doc, std::move(name), doc.CurrentPage().m_textGrants.TakeLast()) {}

CCmdAddDtext::CCmdAddDtext(CPlomDoc& doc, std::string name, std::optional<KeyGrant> grant)
    : CCmd(std::move(name)),
      m_pDoc(&doc),
      m_grant(grant),
      m_nCounterAfter(doc.CurrentPage().m_nNextTextId) {}

bool CCmdAddDtext::Undo() {
    CGpage& page = m_pDoc->CurrentPage();
    if (!m_grant) {
        return true;
    }
    std::erase(page.m_selTexts, m_grant->key);
    if (auto node = page.m_texts.extract(m_grant->key)) {
        m_pHeld = std::move(node.mapped());
    }
    page.m_nNextTextId = m_grant->counterBefore;
    m_pDoc->Refresh(kHintRedraw);
    return true;
}

bool CCmdAddDtext::Redo() {
    CGpage& page = m_pDoc->CurrentPage();
    if (!m_grant) {
        return true;
    }
    if (m_pHeld) {
        page.m_texts[m_grant->key] = std::move(m_pHeld);
    }
    page.m_nNextTextId = m_nCounterAfter;
    m_pDoc->Refresh(kHintRedraw);
    return true;
}

}  // namespace velnor
