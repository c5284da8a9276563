#pragma once

#include <memory>
#include <string>

#include "model/button_cells.h"
#include "model/cmd.h"

namespace velnor {

class CPlomDoc;

// Records the button last added to the current page; while undone it holds the button, whose
// window is destroyed.
class CCmdAddButton final : public CCmd {
public:
    CCmdAddButton(CPlomDoc& doc, std::string name);

    bool Undo() override;
    bool Redo() override;

private:
    CPlomDoc* m_pDoc;
    std::unique_ptr<CBtCmd> m_pHeld;
};

}  // namespace velnor
