#pragma once

#include <string>

#include "model/cmd.h"

namespace velnor {

class CPlomDoc;

// Records vertices already appended to the current page. Undone vertices stay in the table
// beyond the count and come back by raising it again.
class CCmdAddPoints final : public CCmd {
public:
    CCmdAddPoints(int count, CPlomDoc& doc, std::string name);

    bool Undo() override;
    bool Redo() override;

private:
    CPlomDoc* m_pDoc;
    int m_nCount;
};

}  // namespace velnor
