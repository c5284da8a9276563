#include "model/document.h"

#include <cstdio>

#include "model/document_seam.h"

namespace velnor {

namespace {

constexpr std::array<const char*, 10> kNumerals{"一", "二", "三", "四", "五",
                                                "六", "七", "八", "九", "十"};

constexpr uint32_t kPageCodeFactor = 10000;
constexpr uint32_t kKindCodeFactor = 2000;
constexpr uint32_t kKindCodeOffset = 1000;

enum TreeKind : uint32_t { kTreeVertex = 1, kTreeLine = 2, kTreeFace = 3, kTreeSolid = 4 };

template <typename Cell>
bool RenameCell(CellMap<Cell>& map, uint32_t key, const std::string& name) {
    const auto it = map.find(static_cast<uint16_t>(key));
    if (it == map.end()) {
        return false;
    }
    it->second->m_strName = name;
    return true;
}

}  // namespace

std::string PageNameForId(uint16_t id) {
    if (id >= 1 && id <= kNumerals.size()) {
        return std::string(" 第") + kNumerals[id - 1] + "页 ";
    }
    return " 第" + std::to_string(id) + "页 ";
}

CPlomDoc::CPlomDoc() = default;

// The windows may be gone by now, so only the data goes.
CPlomDoc::~CPlomDoc() {
    m_cmdProcessor.ClearAll();
    m_pages.clear();
}

void CPlomDoc::OnNewDocument() {
    DeleteContents();
    m_nComponentCount = 0;
    m_componentNames = {};
    auto first = std::make_unique<CGpage>();
    first->m_nId = 1;
    first->m_strName = PageNameForId(1);
    first->UseSettings(m_settings);
    m_pages.push_back(std::move(first));
    m_nNextPageId = 2;
    m_bPageSelected = false;
    m_strNotesRtf.clear();
    ActivatePage(m_pages.begin());
    m_bModified = false;
    DocumentViews().ModifiedChanged(false);
    DocumentViews().PageListChanged();
    DocumentViews().PageChanged(CurrentPage(), m_bPageSelected);
}

void CPlomDoc::DeleteContents() {
    if (m_pCurPage) {
        m_pCurPage->DestroyButtonWindows();
    }
    m_pages.clear();
    m_posCurPage = m_pages.end();
    m_pCurPage = nullptr;
    m_cmdProcessor.ClearAll();
}

std::unique_ptr<CGpage> CPlomDoc::CreatePage() {
    auto page = std::make_unique<CGpage>();
    page->m_nId = m_nNextPageId++;
    page->m_strName = PageNameForId(page->m_nId);
    page->UseSettings(m_settings);
    return page;
}

int CPlomDoc::CurrentPageNumber() const {
    return static_cast<int>(
               std::distance(m_pages.begin(), PageList::const_iterator(m_posCurPage))) +
           1;
}

// Button keys repeat from page to page, and a window is known by its key, so only the current
// page's buttons have windows: the page that stops being current gives its windows up.
void CPlomDoc::ActivatePage(PagePosition position) {
    if (m_pCurPage) {
        m_pCurPage->DestroyButtonWindows();
    }
    m_posCurPage = position;
    m_pCurPage = position->get();
    m_pCurPage->CreateButtonWindows(true);
}

void CPlomDoc::AppendPage(std::unique_ptr<CGpage> page) {
    page->UseSettings(m_settings);
    m_pages.push_back(std::move(page));
}

void CPlomDoc::FinishLoading() {
    for (const auto& page : m_pages) {
        if (page->m_nComponentList != 0) {
            DocumentViews().CompileComponent(*page, page->m_nComponentList);
        }
    }
    ActivatePage(m_pages.begin());
    m_bPageSelected = false;
    m_bModified = false;
    DocumentViews().ModifiedChanged(false);
    DocumentViews().PageListChanged();
    DocumentViews().PageChanged(CurrentPage(), m_bPageSelected);
}

void CPlomDoc::AssembleCurrentPage() {
    CGpage& page = CurrentPage();
    if (page.m_nComponentList == 0) {
        if (m_nComponentCount >= kMaxComponents) {
            return;
        }
        ++m_nComponentCount;
        page.m_nComponentList = m_nComponentCount;
        m_componentNames[m_nComponentCount] = page.m_strName;
    }
    DocumentViews().CompileComponent(page, page.m_nComponentList);
    SetModifiedFlag();
}

void CPlomDoc::RenameFromTree(uint32_t code, const std::string& name) {
    CGpage* page = FindPage(static_cast<uint16_t>(code / kPageCodeFactor));
    const uint32_t r = code % kPageCodeFactor;
    if (!page || r % kKindCodeFactor == kKindCodeOffset) {
        return;
    }
    if (r == 0) {
        page->m_strName = name;
        if (page == m_pCurPage) {
            Refresh(kHintPageLabel);
        } else {
            SetModifiedFlag();
        }
        return;
    }
    const uint32_t kind = (r + kKindCodeOffset) / kKindCodeFactor;
    const uint32_t key = (r + kKindCodeOffset) % kKindCodeFactor;
    bool renamed = false;
    switch (kind) {
        case kTreeVertex:
            if (key - 1 < page->m_nVertexCount) {
                page->m_label[key - 1] = name;
                page->RefreshNames();
                Refresh(kHintAll);
            }
            return;
        case kTreeLine:
            renamed = RenameCell(page->m_lines, key, name);
            break;
        case kTreeFace:
            renamed = RenameCell(page->m_faces, key, name);
            break;
        case kTreeSolid:
            renamed = RenameCell(page->m_solids, key, name);
            break;
        default:
            break;
    }
    if (renamed) {
        SetModifiedFlag();
    }
}

void CPlomDoc::SetModifiedFlag(bool modified) {
    if (m_bModified != modified) {
        m_bModified = modified;
        DocumentViews().ModifiedChanged(modified);
    }
}

void CPlomDoc::Refresh(int hint) {
    SetModifiedFlag();
    DocumentViews().Refresh(hint);
}

void CPlomDoc::NotifyPageChanged() {
    SetModifiedFlag();
    DocumentViews().PageChanged(CurrentPage(), m_bPageSelected);
}

void CPlomDoc::NotifyPageListChanged() {
    DocumentViews().PageListChanged();
}

void CPlomDoc::Redraw() {
    DocumentViews().Redraw();
}

void CPlomDoc::ImportNotesRtf(std::string rtf) {
    m_strNotesRtf = std::move(rtf);
    SetModifiedFlag();
}

CGpage* CPlomDoc::FindPage(uint16_t id) const {
    for (const auto& page : m_pages) {
        if (page->m_nId == id) {
            return page.get();
        }
    }
    return nullptr;
}

}  // namespace velnor
