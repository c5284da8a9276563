#pragma once

#include <vector>

#include "model/cmd.h"
#include "model/page.h"
#include "model/point_cell.h"

namespace velnor {

class CPlomDoc;

// Deletes listed cells and vertices of the current page ("删除图元"). Deleting a vertex moves the
// later rows down, so every index to a later vertex is renumbered; Undo puts each vertex back at
// its old index and renumbers back, so the page comes back exactly.
class CCmdDelCell final : public CCmd {
public:
    explicit CCmdDelCell(CPlomDoc& doc);

    // Fills the six lists from the page's selection, leaving out repeated entries and entries
    // that name nothing on the page.
    void TakeSelection(const CGpage& page);

    bool Undo() override;
    bool Redo() override;

    // What to delete; filled by the creator. After a Redo the vertex list holds each vertex's
    // index at the moment it was removed.
    std::vector<int> m_pointIds;
    std::vector<int> m_lineIds;
    std::vector<int> m_faceIds;
    std::vector<int> m_solidIds;
    std::vector<int> m_buttonIds;
    std::vector<int> m_textIds;

private:
    void RemoveVertex(CGpage& page, size_t listIndex);
    void RestoreVertex(CGpage& page, size_t listIndex);
    void RefreshByCategories();

    CPlomDoc* m_pDoc;
    std::vector<CPointCell> m_delPoints;
    CellMap<CLineCell> m_heldLines;
    CellMap<CFaceCell> m_heldFaces;
    CellMap<CSubassembly> m_heldSolids;
    CellMap<CBtCmd> m_heldButtons;
    CellMap<CDTextCell> m_heldTexts;
};

}  // namespace velnor
