#pragma once

#include <cstdint>

#include "model/cmd.h"
#include "model/point_cell.h"

namespace velnor {

class CPlomDoc;

// Records an edit of one vertex row: Undo writes the old row back, Redo the new one.
class CCmdModifiPoint final : public CCmd {
public:
    CCmdModifiPoint(uint16_t index, CPlomDoc& doc);

    bool Undo() override;
    bool Redo() override;

    CPointCell m_pOld;
    CPointCell m_pNew;

private:
    void Write(const CPointCell& row);

    CPlomDoc* m_pDoc;
    uint16_t m_nId;
};

}  // namespace velnor
