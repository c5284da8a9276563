#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/button_cells.h"
#include "model/cmd.h"

namespace velnor {

class CPlomDoc;

// Records an edit of a button made in place: the command holds the other version, and Undo and
// Redo both swap it with the one in the page.
class CCmdModifiBtn final : public CCmd {
public:
    CCmdModifiBtn(uint16_t key, CPlomDoc& doc, std::string name, std::unique_ptr<CBtCmd> other);

    bool Undo() override { return Swap(); }
    bool Redo() override { return Swap(); }

private:
    bool Swap();

    CPlomDoc* m_pDoc;
    uint16_t m_nId;
    std::unique_ptr<CBtCmd> m_pOther;
};

}  // namespace velnor
