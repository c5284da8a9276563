#include "editing/cmd_modifi_ti.h"

#include "model/document.h"

namespace velnor {

CCmdModifiTi::CCmdModifiTi(uint16_t key, CPlomDoc& doc, std::unique_ptr<CSubassembly> other,
                           std::string name)
    : CCmd(std::move(name)), m_pDoc(&doc), m_nId(key), m_pOther(std::move(other)) {}

bool CCmdModifiTi::Swap() {
    CellMap<CSubassembly>& solids = m_pDoc->CurrentPage().m_solids;
    solids[m_nId].swap(m_pOther);
    if (!solids[m_nId]) {
        solids.erase(m_nId);
    }
    // The other version may carry another name, which the manager tree shows.
    m_pDoc->Refresh(kHintSolids);
    return true;
}

}  // namespace velnor
