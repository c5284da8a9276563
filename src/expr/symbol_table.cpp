#include "expr/symbol_table.h"

namespace velnor {

bool CSymbol_table::Declare(char name) {
    if (m_nDeclared >= kSlotCount) {
        return false;
    }
    m_slots[m_nDeclared++].m_cName = name;
    return true;
}

int CSymbol_table::Lookup(char name) const {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (m_slots[slot].m_cName == name) {
            return slot;
        }
    }
    return kNotFound;
}

}  // namespace velnor
