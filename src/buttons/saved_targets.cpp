#include "buttons/saved_targets.h"

#include <algorithm>

#include "editing/transform_cells.h"
#include "geometry/page_geometry.h"

namespace velnor {

namespace {

void SaveVertices(const CGpage& page, const std::vector<int>& targets, std::vector<Float3>& saved) {
    for (size_t i = 0; i < targets.size(); ++i) {
        if (IsVertexIndex(targets[i])) {
            saved[i] = page.m_pos[targets[i]];
        }
    }
}

void RestoreVertices(CGpage& page, const std::vector<int>& targets,
                     const std::vector<Float3>& saved) {
    const size_t count = std::min(targets.size(), saved.size());
    for (size_t i = 0; i < count; ++i) {
        if (IsVertexIndex(targets[i])) {
            page.m_pos[targets[i]] = saved[i];
        }
    }
}

}  // namespace

void SaveTargets(const CGpage& page, CBtnTranslate& button) {
    button.ResizeSaved();
    SaveVertices(page, button.m_targetVerts, button.m_savedVerts);
    for (size_t i = 0; i < button.m_targetSolids.size(); ++i) {
        if (const CSubassembly* solid = FindSolid(page, button.m_targetSolids[i])) {
            button.m_savedSolidPos[i] = solid->m_position;
        }
    }
}

void SaveTargets(const CGpage& page, CBtnRotatef& button) {
    button.ResizeSaved();
    SaveVertices(page, button.m_targetVerts, button.m_savedVerts);
    for (size_t i = 0; i < button.m_targetSolids.size(); ++i) {
        if (const CSubassembly* solid = FindSolid(page, button.m_targetSolids[i])) {
            button.m_savedSolidPos[i] = solid->m_position;
            button.m_savedSolidAxis[i] = solid->m_direction;
            button.m_savedSolidAngle[i] = solid->m_fSpin;
        }
    }
}

void RestoreTargets(CGpage& page, const CBtnTranslate& button) {
    RestoreVertices(page, button.m_targetVerts, button.m_savedVerts);
    const size_t solids = std::min(button.m_targetSolids.size(), button.m_savedSolidPos.size());
    for (size_t i = 0; i < solids; ++i) {
        if (CSubassembly* solid = FindSolid(page, button.m_targetSolids[i])) {
            solid->m_position = button.m_savedSolidPos[i];
        }
    }
}

void RestoreTargets(CGpage& page, const CBtnRotatef& button) {
    RestoreVertices(page, button.m_targetVerts, button.m_savedVerts);
    const size_t solids =
        std::min({button.m_targetSolids.size(), button.m_savedSolidPos.size(),
                  button.m_savedSolidAxis.size(), button.m_savedSolidAngle.size()});
    for (size_t i = 0; i < solids; ++i) {
        if (CSubassembly* solid = FindSolid(page, button.m_targetSolids[i])) {
            solid->m_position = button.m_savedSolidPos[i];
            solid->m_direction = button.m_savedSolidAxis[i];
            solid->m_fSpin = button.m_savedSolidAngle[i];
        }
    }
}

}  // namespace velnor
