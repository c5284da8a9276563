#include "editing/cmd_modifi_point.h"

#include "geometry/measure_text.h"
#include "model/document.h"
#include "model/vertex_snapshot.h"

namespace velnor {

CCmdModifiPoint::CCmdModifiPoint(uint16_t index, CPlomDoc& doc)
    : CCmd("修改点"), m_pDoc(&doc), m_nId(index) {}

bool CCmdModifiPoint::Undo() {
    Write(m_pOld);
    return true;
}

bool CCmdModifiPoint::Redo() {
    Write(m_pNew);
    return true;
}

void CCmdModifiPoint::Write(const CPointCell& row) {
    CGpage& page = m_pDoc->CurrentPage();
    WriteVertex(page, m_nId, row);
    page.RefreshNames();
    UpdateAllTexts(page);
    m_pDoc->Refresh(kHintAll);
}

}  // namespace velnor
