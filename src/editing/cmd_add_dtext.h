#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/cell_keys.h"
#include "model/cmd.h"
#include "model/dtext_cell.h"

namespace velnor {

class CPlomDoc;

// Records the dynamic text last added to the current page; while undone it holds the text.
class CCmdAddDtext final : public CCmd {
public:
    // The key the page last handed out to that map, or the one given.
    CCmdAddDtext(CPlomDoc& doc, std::string name);
    CCmdAddDtext(CPlomDoc& doc, std::string name, std::optional<KeyGrant> grant);

    bool Undo() override;
    bool Redo() override;

private:
    CPlomDoc* m_pDoc;
    std::optional<KeyGrant> m_grant;  // none when nothing was added
    uint16_t m_nCounterAfter;
    std::unique_ptr<CDTextCell> m_pHeld;
};

}  // namespace velnor
