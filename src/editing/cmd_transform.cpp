#include "editing/cmd_transform.h"

#include <utility>

#include "editing/transform_cells.h"
#include "geometry/measure_text.h"
#include "geometry/page_geometry.h"
#include "model/document.h"

namespace velnor {

CCmdTransform::CCmdTransform(int kind, CPlomDoc& doc, std::string name)
    : CCmd(std::move(name)), m_pDoc(&doc), m_nKind(kind) {}

void CCmdTransform::Snapshot() {
    CGpage& page = m_pDoc->CurrentPage();
    m_pPointXYZ.assign(m_pointIds.size(), Float3{});
    for (size_t i = 0; i < m_pointIds.size(); ++i) {
        if (IsVertexIndex(m_pointIds[i])) {
            m_pPointXYZ[i] = page.m_pos[m_pointIds[i]];
        }
    }
    const size_t solids = m_tiIds.size();
    m_pTiPos.assign(solids, Float3{});
    if (m_nKind == kTransformRotate) {
        m_pTiAxis.assign(solids, Float3{});
        m_pTiAngle.assign(solids, 0.0f);
    }
    if (m_nKind == kTransformScale) {
        m_pTiSize.assign(solids, Float3{});
    }
    for (size_t i = 0; i < solids; ++i) {
        const CSubassembly* solid = FindSolid(page, m_tiIds[i]);
        if (!solid) {
            continue;
        }
        m_pTiPos[i] = solid->m_position;
        if (m_nKind == kTransformRotate) {
            m_pTiAxis[i] = solid->m_direction;
            m_pTiAngle[i] = solid->m_fSpin;
        }
        if (m_nKind == kTransformScale) {
            m_pTiSize[i] = solid->m_scale;
        }
    }
}

bool CCmdTransform::Swap() {
    CGpage& page = m_pDoc->CurrentPage();
    for (size_t i = 0; i < m_pointIds.size(); ++i) {
        if (IsVertexIndex(m_pointIds[i])) {
            std::swap(page.m_pos[m_pointIds[i]], m_pPointXYZ[i]);
        }
    }
    if (!m_pointIds.empty()) {
        UpdateAllTexts(page);
    }
    for (size_t i = 0; i < m_tiIds.size(); ++i) {
        CSubassembly* solid = FindSolid(page, m_tiIds[i]);
        if (!solid) {
            continue;
        }
        std::swap(solid->m_position, m_pTiPos[i]);
        if (m_nKind == kTransformRotate) {
            std::swap(solid->m_direction, m_pTiAxis[i]);
            std::swap(solid->m_fSpin, m_pTiAngle[i]);
        }
        if (m_nKind == kTransformScale) {
            std::swap(solid->m_scale, m_pTiSize[i]);
        }
    }
    m_pDoc->Refresh(kHintRedraw);
    return true;
}

}  // namespace velnor
