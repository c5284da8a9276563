#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "editing/cell_moves.h"
#include "model/cmd.h"
#include "model/document.h"

namespace velnor {

// Records the last `count` cells added to one map of the current page (their keys are the
// counter minus 1 down to the counter minus count). Undo holds them; Redo puts them back.
template <typename Cell, CellMap<Cell> CGpage::*Map, uint16_t CGpage::*Counter,
          std::vector<int> CGpage::*Selected, RefreshHint Hint>
class CCmdAddCells : public CCmd {
public:
    CCmdAddCells(int count, CPlomDoc& doc, std::string name)
        : CCmd(std::move(name)), m_pDoc(&doc), m_nCount(count) {}

    bool Undo() override {
        CGpage& page = m_pDoc->CurrentPage();
        CellMap<Cell>& map = page.*Map;
        uint16_t& counter = page.*Counter;
        for (int i = 1; i <= m_nCount; ++i) {
            const uint16_t key = static_cast<uint16_t>(counter - i);
            std::erase(page.*Selected, key);
            MoveCell(map, m_mapHeld, key);
        }
        counter = static_cast<uint16_t>(counter - m_nCount);
        m_pDoc->Refresh(Hint);
        return true;
    }

    bool Redo() override {
        CGpage& page = m_pDoc->CurrentPage();
        MoveAllCells(m_mapHeld, page.*Map);
        page.*Counter = static_cast<uint16_t>(page.*Counter + m_nCount);
        m_pDoc->Refresh(Hint);
        return true;
    }

private:
    CPlomDoc* m_pDoc;
    int m_nCount;
    CellMap<Cell> m_mapHeld;
};

class CCmdAddLines final : public CCmdAddCells<CLineCell, &CGpage::m_lines, &CGpage::m_nNextLineId,
                                               &CGpage::m_selLines, kHintLines> {
public:
    using CCmdAddCells::CCmdAddCells;
};

class CCmdAddFaces final : public CCmdAddCells<CFaceCell, &CGpage::m_faces, &CGpage::m_nNextFaceId,
                                               &CGpage::m_selFaces, kHintFaces> {
public:
    CCmdAddFaces(int count, CPlomDoc& doc) : CCmdAddCells(count, doc, "添加面") {}
};

class CCmdAddTis final
    : public CCmdAddCells<CSubassembly, &CGpage::m_solids, &CGpage::m_nNextSolidId,
                          &CGpage::m_selSolids, kHintSolids> {
public:
    using CCmdAddCells::CCmdAddCells;
};

}  // namespace velnor
