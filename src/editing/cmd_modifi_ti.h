#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/cmd.h"
#include "model/subassembly.h"

namespace velnor {

class CPlomDoc;

// Records an edit of a solid made in place: the command holds the other version, and Undo and
// Redo both swap it with the one in the page. Named "修改组件" unless told otherwise.
class CCmdModifiTi final : public CCmd {
public:
    CCmdModifiTi(uint16_t key, CPlomDoc& doc, std::unique_ptr<CSubassembly> other,
                 std::string name = "修改组件");

    bool Undo() override { return Swap(); }
    bool Redo() override { return Swap(); }

private:
    bool Swap();

    CPlomDoc* m_pDoc;
    uint16_t m_nId;
    std::unique_ptr<CSubassembly> m_pOther;
};

}  // namespace velnor
