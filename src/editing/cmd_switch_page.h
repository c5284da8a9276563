#pragma once

#include "model/cmd.h"

namespace velnor {

class CPlomDoc;

// Moves the current page by a number of pages along the page list.
class CCmdSwitchPage final : public CCmd {
public:
    CCmdSwitchPage(int offset, CPlomDoc& doc);

    // Refuses a zero offset or a walk past either end of the list, changing nothing.
    bool Undo() override;
    bool Redo() override;

private:
    int m_nOffset;
    CPlomDoc* m_pDoc;
};

}  // namespace velnor
