#include "editing/cmd_new_del_page.h"

#include <iterator>

#include "model/document.h"

namespace velnor {

CCmdNewDelPage::CCmdNewDelPage(int mode, CPlomDoc& doc, std::string name,
                               std::unique_ptr<CGpage> page)
    : CCmd(std::move(name)), m_bInsert(mode), m_pDoc(&doc), m_pPage(std::move(page)) {}

bool CCmdNewDelPage::Undo() {
    m_bInsert = 1 - m_bInsert;
    Redo();
    m_bInsert = 1 - m_bInsert;
    return true;
}

bool CCmdNewDelPage::Redo() {
    return m_bInsert == kInsert ? InsertPage() : DeleteCurrentPage();
}

bool CCmdNewDelPage::InsertPage() {
    if (!m_pPage) {
        return false;
    }
    CPlomDoc& doc = *m_pDoc;
    doc.CurrentPage().DestroyButtonWindows();
    m_pPage->UseSettings(doc.Settings());
    const PagePosition where = m_bInsertBefore ? doc.m_posCurPage : std::next(doc.m_posCurPage);
    doc.m_posCurPage = doc.m_pages.insert(where, std::move(m_pPage));
    doc.m_pCurPage = doc.m_posCurPage->get();
    doc.m_pCurPage->CreateButtonWindows(true);
    doc.NotifyPageChanged();
    doc.NotifyPageListChanged();
    return true;
}

// The page before takes over, or the page after when the first page goes; undoing then puts the
// page back before it.
bool CCmdNewDelPage::DeleteCurrentPage() {
    CPlomDoc& doc = *m_pDoc;
    if (doc.m_pages.size() < 2) {
        return false;
    }
    PagePosition next;
    if (doc.IsFirstPage()) {
        m_bInsertBefore = true;
        next = std::next(doc.m_posCurPage);
    } else {
        next = std::prev(doc.m_posCurPage);
    }
    m_pPage = std::move(*doc.m_posCurPage);
    doc.m_pages.erase(doc.m_posCurPage);
    doc.m_posCurPage = next;
    doc.m_pCurPage = next->get();
    m_pPage->DestroyButtonWindows();
    doc.m_pCurPage->CreateButtonWindows(true);
    doc.NotifyPageChanged();
    doc.NotifyPageListChanged();
    return true;
}

}  // namespace velnor
