#include "editing/cmd_del_cell.h"

#include <algorithm>

#include "editing/cell_moves.h"
#include "editing/vertex_renumbering.h"
#include "model/button_window.h"
#include "model/document.h"
#include "model/vertex_snapshot.h"

namespace velnor {

namespace {

template <typename Keep>
std::vector<int> Distinct(const std::vector<int>& list, Keep keep) {
    std::vector<int> out;
    for (int entry : list) {
        if (keep(entry) && std::find(out.begin(), out.end(), entry) == out.end()) {
            out.push_back(entry);
        }
    }
    return out;
}

template <typename Cell>
std::vector<int> ExistingKeys(const std::vector<int>& list, const CellMap<Cell>& map) {
    return Distinct(list, [&](int key) {
        return key >= 0 && key <= UINT16_MAX && map.contains(static_cast<uint16_t>(key));
    });
}

template <typename Cell>
void MoveListed(const std::vector<int>& keys, CellMap<Cell>& from, CellMap<Cell>& to) {
    for (int key : keys) {
        MoveCell(from, to, static_cast<uint16_t>(key));
    }
}

}  // namespace

CCmdDelCell::CCmdDelCell(CPlomDoc& doc) : CCmd("删除图元"), m_pDoc(&doc) {}

void CCmdDelCell::TakeSelection(const CGpage& page) {
    m_pointIds = Distinct(page.m_selPoints,
                          [&](int index) { return index >= 0 && index < page.m_nVertexCount; });
    m_lineIds = ExistingKeys(page.m_selLines, page.m_lines);
    m_faceIds = ExistingKeys(page.m_selFaces, page.m_faces);
    m_solidIds = ExistingKeys(page.m_selSolids, page.m_solids);
    m_buttonIds = ExistingKeys(page.m_selButtons, page.m_buttons);
    m_textIds = ExistingKeys(page.m_selTexts, page.m_texts);
}

bool CCmdDelCell::Redo() {
    CGpage& page = m_pDoc->CurrentPage();
    for (int key : m_buttonIds) {
        if (auto node = page.m_buttons.extract(static_cast<uint16_t>(key))) {
            DestroyButtonWindow(*node.mapped());
            m_heldButtons[node.key()] = std::move(node.mapped());
        }
    }
    page.m_selButtons.clear();
    MoveListed(m_lineIds, page.m_lines, m_heldLines);
    page.m_selLines.clear();
    MoveListed(m_faceIds, page.m_faces, m_heldFaces);
    page.m_selFaces.clear();
    for (size_t i = 0; i < m_pointIds.size(); ++i) {
        RemoveVertex(page, i);
    }
    page.m_selPoints.clear();
    MoveListed(m_solidIds, page.m_solids, m_heldSolids);
    page.m_selSolids.clear();
    MoveListed(m_textIds, page.m_texts, m_heldTexts);
    page.m_selTexts.clear();
    RefreshByCategories();
    return true;
}

bool CCmdDelCell::Undo() {
    CGpage& page = m_pDoc->CurrentPage();
    MoveAllCells(m_heldSolids, page.m_solids);
    for (size_t i = m_delPoints.size(); i-- > 0;) {
        RestoreVertex(page, i);
    }
    m_delPoints.clear();
    MoveAllCells(m_heldLines, page.m_lines);
    MoveAllCells(m_heldFaces, page.m_faces);
    for (auto& [key, button] : m_heldButtons) {
        CreateButtonWindow(*button, true);
    }
    MoveAllCells(m_heldButtons, page.m_buttons);
    MoveAllCells(m_heldTexts, page.m_texts);
    RefreshByCategories();
    return true;
}

// The texts being deleted keep their indices, so that they come back as they were.
void CCmdDelCell::RemoveVertex(CGpage& page, size_t listIndex) {
    const int h = m_pointIds[listIndex];
    auto pullDown = [h](auto& index) {
        if (index > h) {
            --index;
        }
    };
    RenumberVertexReferences(page, m_textIds, pullDown);
    for (size_t i = listIndex + 1; i < m_pointIds.size(); ++i) {
        pullDown(m_pointIds[i]);
    }
    m_delPoints.push_back(SnapshotVertex(page, h));
    for (int row = h; row + 1 < page.m_nVertexCount; ++row) {
        WriteVertex(page, row, SnapshotVertex(page, row + 1));
    }
    --page.m_nVertexCount;
}

void CCmdDelCell::RestoreVertex(CGpage& page, size_t listIndex) {
    const int c = m_pointIds[listIndex];
    for (int row = page.m_nVertexCount; row > c; --row) {
        WriteVertex(page, row, SnapshotVertex(page, row - 1));
    }
    ++page.m_nVertexCount;
    WriteVertex(page, c, m_delPoints[listIndex]);
    auto pushUp = [c](auto& index) {
        if (index >= c) {
            ++index;
        }
    };
    RenumberVertexReferences(page, {}, pushUp);
    for (size_t i = listIndex + 1; i < m_pointIds.size(); ++i) {
        pushUp(m_pointIds[i]);
    }
}

// One category of vertices, lines, faces and solids rebuilds its own branch; more rebuild all.
void CCmdDelCell::RefreshByCategories() {
    const int categories =
        !m_pointIds.empty() + !m_lineIds.empty() + !m_faceIds.empty() + !m_solidIds.empty();
    RefreshHint hint = kHintAll;
    if (categories == 1) {
        hint = !m_pointIds.empty()  ? kHintVertices
               : !m_lineIds.empty() ? kHintLines
               : !m_faceIds.empty() ? kHintFaces
                                    : kHintSolids;
    }
    m_pDoc->Refresh(hint);
}

}  // namespace velnor
