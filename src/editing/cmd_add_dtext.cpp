#include "editing/cmd_add_dtext.h"

#include <algorithm>

#include "model/document.h"

namespace velnor {

CCmdAddDtext::CCmdAddDtext(CPlomDoc& doc, std::string name) : CCmd(std::move(name)), m_pDoc(&doc) {}

bool CCmdAddDtext::Undo() {
    CGpage& page = m_pDoc->CurrentPage();
    const uint16_t key = --page.m_nNextTextId;
    std::erase(page.m_selTexts, key);
    if (auto node = page.m_texts.extract(key)) {
        m_pHeld = std::move(node.mapped());
    }
    m_pDoc->Refresh(kHintRedraw);
    return true;
}

bool CCmdAddDtext::Redo() {
    CGpage& page = m_pDoc->CurrentPage();
    const uint16_t key = page.m_nNextTextId++;
    if (m_pHeld) {
        page.m_texts[key] = std::move(m_pHeld);
    }
    m_pDoc->Refresh(kHintRedraw);
    return true;
}

}  // namespace velnor
