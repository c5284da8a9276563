#include "editing/cmd_add_points.h"

#include <algorithm>

#include "model/document.h"
#include "model/vertex_snapshot.h"

namespace velnor {

CCmdAddPoints::CCmdAddPoints(int count, CPlomDoc& doc, std::string name)
    : CCmd(std::move(name)), m_pDoc(&doc), m_nCount(count) {}

bool CCmdAddPoints::Undo() {
    CGpage& page = m_pDoc->CurrentPage();
    page.m_nVertexCount = static_cast<uint8_t>(page.m_nVertexCount - m_nCount);
    const int first = page.m_nVertexCount;
    m_heldRows.clear();
    for (int row = first; row < first + m_nCount; ++row) {
        m_heldRows.push_back(SnapshotVertex(page, row));
    }
    std::erase_if(page.m_selPoints,
                  [&](int index) { return index >= first && index < first + m_nCount; });
    m_pDoc->Refresh(kHintVertices);
    return true;
}

bool CCmdAddPoints::Redo() {
    CGpage& page = m_pDoc->CurrentPage();
    const int first = page.m_nVertexCount;
    for (size_t i = 0; i < m_heldRows.size(); ++i) {
        WriteVertex(page, first + static_cast<int>(i), m_heldRows[i]);
    }
    page.m_nVertexCount = static_cast<uint8_t>(first + m_nCount);
    m_pDoc->Refresh(kHintVertices);
    return true;
}

}  // namespace velnor
