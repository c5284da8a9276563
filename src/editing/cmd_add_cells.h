#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "editing/cell_moves.h"
#include "model/cmd.h"
#include "model/document.h"

namespace velnor {

// Records the last `count` cells added to one map of the current page, by the keys the page
// handed them. Undo holds them and puts the counter back; Redo puts both back as they were.
template <typename Cell, CellMap<Cell> CGpage::*Map, uint16_t CGpage::*Counter,
          CKeyGrants CGpage::*Grants, std::vector<int> CGpage::*Selected, RefreshHint Hint>
class CCmdAddCells : public CCmd {
public:
    CCmdAddCells(int count, CPlomDoc& doc, std::string name) : CCmd(std::move(name)), m_pDoc(&doc) {
        CGpage& page = doc.CurrentPage();
        m_nCounterAfter = page.*Counter;
        m_nCounterBefore = m_nCounterAfter;
        for (const KeyGrant& grant : (page.*Grants).Take(count)) {
            if (m_keys.empty()) {
                m_nCounterBefore = grant.counterBefore;
            }
            m_keys.push_back(grant.key);
        }
    }

    bool Undo() override {
        CGpage& page = m_pDoc->CurrentPage();
        for (uint16_t key : m_keys) {
            std::erase(page.*Selected, key);
            MoveCell(page.*Map, m_mapHeld, key);
        }
        page.*Counter = m_nCounterBefore;
        m_pDoc->Refresh(Hint);
        return true;
    }

    bool Redo() override {
        CGpage& page = m_pDoc->CurrentPage();
        MoveAllCells(m_mapHeld, page.*Map);
        page.*Counter = m_nCounterAfter;
        m_pDoc->Refresh(Hint);
        return true;
    }

private:
    CPlomDoc* m_pDoc;
    std::vector<uint16_t> m_keys;
    uint16_t m_nCounterBefore = 0;
    uint16_t m_nCounterAfter = 0;
    CellMap<Cell> m_mapHeld;
};

class CCmdAddLines final
    : public CCmdAddCells<CLineCell, &CGpage::m_lines, &CGpage::m_nNextLineId,
                          &CGpage::m_lineGrants, &CGpage::m_selLines, kHintLines> {
public:
    using CCmdAddCells::CCmdAddCells;
};

class CCmdAddFaces final
    : public CCmdAddCells<CFaceCell, &CGpage::m_faces, &CGpage::m_nNextFaceId,
                          &CGpage::m_faceGrants, &CGpage::m_selFaces, kHintFaces> {
public:
    CCmdAddFaces(int count, CPlomDoc& doc) : CCmdAddCells(count, doc, "添加面") {}
};

class CCmdAddTis final
    : public CCmdAddCells<CSubassembly, &CGpage::m_solids, &CGpage::m_nNextSolidId,
                          &CGpage::m_solidGrants, &CGpage::m_selSolids, kHintSolids> {
public:
    using CCmdAddCells::CCmdAddCells;
};

}  // namespace velnor
