#include "editing/transform_commands.h"

#include <memory>

#include "editing/cmd_transform.h"
#include "editing/transform_cells.h"
#include "editing/transform_record.h"
#include "geometry/measure_text.h"
#include "model/document.h"

namespace velnor {

namespace {

// Measurement texts follow the moved vertices; the document counts as changed.
void Finish(CPlomDoc& doc) {
    UpdateAllTexts(doc.CurrentPage());
    doc.SetModifiedFlag();
    doc.Redraw();
}

}  // namespace

bool CanTransform(const CGpage& page) {
    return !page.m_selPoints.empty() || !page.m_selSolids.empty();
}

void TranslateSelection(CPlomDoc& doc) {
    RecordTransform(doc, kTransformTranslate, "平移变换");
    CGpage& page = doc.CurrentPage();
    TranslateCells(page, page.m_selPoints, page.m_selSolids, page.m_translation);
    Finish(doc);
}

void RotateSelection(CPlomDoc& doc) {
    RecordTransform(doc, kTransformRotate, "旋转变换");
    CGpage& page = doc.CurrentPage();
    const Rotation rotation(page.m_axisPoint, page.m_axisDir, page.m_fAngle);
    RotateCells(page, page.m_selPoints, page.m_selSolids, rotation);
    Finish(doc);
}

void ScaleSelection(CPlomDoc& doc) {
    RecordTransform(doc, kTransformScale, "放缩变换");
    CGpage& page = doc.CurrentPage();
    ScaleCells(page, page.m_selPoints, page.m_selSolids, page.m_scaleFactors);
    Finish(doc);
}

}  // namespace velnor
