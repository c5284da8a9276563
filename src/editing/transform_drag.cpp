#include "editing/transform_drag.h"

#include "editing/cmd_transform.h"
#include "editing/transform_cells.h"
#include "editing/transform_record.h"
#include "geometry/measure_text.h"
#include "model/document.h"

namespace velnor {

bool SelectionDrag::CanDrag(const CGpage& page) {
    const bool movable = !page.m_selPoints.empty() || !page.m_selSolids.empty();
    return movable && page.m_selButtons.empty() && page.m_selTexts.empty();
}

void SelectionDrag::Move(CPlomDoc& doc, int dx, int dy, bool alongY) {
    const float across = dx / kPixelsPerUnit;
    const float up = -dy / kPixelsPerUnit;
    MoveBy(doc, alongY ? Float3{across, up, 0.0f} : Float3{across, 0.0f, up});
}

void SelectionDrag::MoveBy(CPlomDoc& doc, const Float3& shift) {
    CGpage& page = doc.CurrentPage();
    if (!CanDrag(page)) {
        return;
    }
    if (!m_bDragging) {
        RecordTransform(doc, kTransformTranslate, "拖移变换");
        m_bDragging = true;
    }
    TranslateCells(page, page.m_selPoints, page.m_selSolids, shift);
    UpdateAllTexts(page);
    doc.SetModifiedFlag();
    doc.Redraw();
}

}  // namespace velnor
