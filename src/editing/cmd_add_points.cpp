#include "editing/cmd_add_points.h"

#include <algorithm>

#include "model/document.h"

namespace velnor {

CCmdAddPoints::CCmdAddPoints(int count, CPlomDoc& doc, std::string name)
    : CCmd(std::move(name)), m_pDoc(&doc), m_nCount(count) {}

bool CCmdAddPoints::Undo() {
    CGpage& page = m_pDoc->CurrentPage();
    page.m_nVertexCount = static_cast<uint8_t>(page.m_nVertexCount - m_nCount);
    const int first = page.m_nVertexCount;
    std::erase_if(page.m_selPoints,
                  [&](int index) { return index >= first && index < first + m_nCount; });
    m_pDoc->Refresh(kHintVertices);
    return true;
}

bool CCmdAddPoints::Redo() {
    CGpage& page = m_pDoc->CurrentPage();
    page.m_nVertexCount = static_cast<uint8_t>(page.m_nVertexCount + m_nCount);
    m_pDoc->Refresh(kHintVertices);
    return true;
}

}  // namespace velnor
