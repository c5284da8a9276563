#include "model/button_cells.h"

#include <utility>

namespace velnor {

std::string CBtCmd::WindowCaption() const {
    return m_nState == 1 ? m_strCaption + "复位" : m_strCaption;
}

std::vector<int>* SeriesMembers(CBtCmd& button) {
    return const_cast<std::vector<int>*>(SeriesMembers(std::as_const(button)));
}

const std::vector<int>* SeriesMembers(const CBtCmd& button) {
    if (const auto* parallel = dynamic_cast<const CBtnSerues*>(&button)) {
        return &parallel->m_members;
    }
    if (const auto* serial = dynamic_cast<const CBtnSerues2*>(&button)) {
        return &serial->m_members;
    }
    return nullptr;
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
