#pragma once

#include <memory>
#include <string>

#include "model/cmd.h"
#include "model/dtext_cell.h"

namespace velnor {

class CPlomDoc;

// Records the dynamic text last added to the current page; while undone it holds the text.
class CCmdAddDtext final : public CCmd {
public:
    CCmdAddDtext(CPlomDoc& doc, std::string name);

    bool Undo() override;
    bool Redo() override;

private:
    CPlomDoc* m_pDoc;
    std::unique_ptr<CDTextCell> m_pHeld;
};

}  // namespace velnor
