#include "model/button_cells.h"

namespace velnor {

std::string CBtCmd::WindowCaption() const {
    return m_nState == 1 ? m_strCaption + "复位" : m_strCaption;
}

void CBtnTranslate::ResizeSaved() {
    m_savedVerts.resize(m_targetVerts.size());
    m_savedSolidPos.resize(m_targetSolids.size());
}

void CBtnRotatef::ResizeSaved() {
    m_savedVerts.resize(m_targetVerts.size());
    m_savedSolidPos.resize(m_targetSolids.size());
    m_savedSolidAxis.resize(m_targetSolids.size());
    m_savedSolidAngle.resize(m_targetSolids.size());
}

}  // namespace velnor
