#include "editing/cmd_switch_page.h"

#include "model/document.h"

namespace velnor {

CCmdSwitchPage::CCmdSwitchPage(int offset, CPlomDoc& doc)
    : CCmd("切换当前页"), m_nOffset(offset), m_pDoc(&doc) {}

bool CCmdSwitchPage::Undo() {
    m_nOffset = -m_nOffset;
    const bool done = Redo();
    m_nOffset = -m_nOffset;
    return done;
}

bool CCmdSwitchPage::Redo() {
    if (m_nOffset == 0) {
        return false;
    }
    CPlomDoc& doc = *m_pDoc;
    PagePosition position = doc.m_posCurPage;
    for (int step = 0; step < m_nOffset; ++step) {
        if (++position == doc.m_pages.end()) {
            return false;
        }
    }
    for (int step = 0; step > m_nOffset; --step) {
        if (position == doc.m_pages.begin()) {
            return false;
        }
        --position;
    }
    doc.ActivatePage(position);
    doc.NotifyPageChanged();
    doc.Refresh(kHintPageLabel);
    return true;
}

}  // namespace velnor
