#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/button_cells.h"
#include "model/cell_keys.h"
#include "model/cmd.h"

namespace velnor {

class CPlomDoc;

// Records the button last added to the current page; while undone it holds the button, whose
// window is destroyed.
class CCmdAddButton final : public CCmd {
public:
    // The key the page last handed out to that map, or the one given.
    CCmdAddButton(CPlomDoc& doc, std::string name);
    CCmdAddButton(CPlomDoc& doc, std::string name, std::optional<KeyGrant> grant);

    bool Undo() override;
    bool Redo() override;

private:
    CPlomDoc* m_pDoc;
    std::optional<KeyGrant> m_grant;  // none when nothing was added
    uint16_t m_nCounterAfter;
    std::unique_ptr<CBtCmd> m_pHeld;
};

}  // namespace velnor
