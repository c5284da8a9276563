#pragma once

#include <string>
#include <vector>

#include "model/cmd.h"
#include "model/point_cell.h"

namespace velnor {

class CPlomDoc;

// Records vertices already appended to the current page. Undo lowers the count and keeps copies
// of the rows: undoing an earlier deletion moves rows up over them, and Redo must bring the
// vertices back as they were.
class CCmdAddPoints final : public CCmd {
public:
    CCmdAddPoints(int count, CPlomDoc& doc, std::string name);

    bool Undo() override;
    bool Redo() override;

private:
    CPlomDoc* m_pDoc;
    int m_nCount;
    std::vector<CPointCell> m_heldRows;
};

}  // namespace velnor
