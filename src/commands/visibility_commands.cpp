#include "commands/visibility_commands.h"

#include "model/button_window_seam.h"
#include "model/document.h"

namespace velnor {

namespace {

template <typename Cell>
void SetHidden(CellMap<Cell>& cells, const std::vector<int>& keys, bool hidden) {
    for (int key : keys) {
        auto found = cells.find(static_cast<uint16_t>(key));
        if (found != cells.end()) {
            found->second->m_bHidden = hidden;
        }
    }
}

template <typename Cell>
void ShowAll(CellMap<Cell>& cells) {
    for (auto& [key, cell] : cells) {
        cell->m_bHidden = false;
    }
}

}  // namespace

bool CanHideSelected(const CPlomDoc& doc) {
    return doc.CurrentPage().HasSelection();
}

void HideSelected(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    for (int index : page.m_selPoints) {
        page.m_bShown[index] = 0;
    }
    SetHidden(page.m_lines, page.m_selLines, true);
    SetHidden(page.m_faces, page.m_selFaces, true);
    SetHidden(page.m_solids, page.m_selSolids, true);
    SetHidden(page.m_texts, page.m_selTexts, true);
    for (int key : page.m_selButtons) {
        auto found = page.m_buttons.find(static_cast<uint16_t>(key));
        if (found != page.m_buttons.end()) {
            found->second->m_bHidden = 1;
            ButtonWindows().Show(found->first, false);
        }
    }
    page.ClearSelection();
    doc.Refresh(kHintAll);
}

void ShowAllHidden(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        page.m_bShown[i] = 1;
    }
    ShowAll(page.m_lines);
    ShowAll(page.m_faces);
    ShowAll(page.m_solids);
    ShowAll(page.m_texts);
    for (auto& [key, button] : page.m_buttons) {
        if (button->m_bHidden) {
            button->m_bHidden = 0;
            ButtonWindows().Show(key, true);
        }
    }
    doc.Refresh(kHintAll);
}

}  // namespace velnor
