#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "model/page.h"

namespace velnor {

// Applies `renumber` to every vertex index held by the lines, faces and buttons of the page and
// by its dynamic texts whose keys are not in `skippedTexts`.
template <typename Renumber>
void RenumberVertexReferences(CGpage& page, std::span<const int> skippedTexts, Renumber renumber) {
    for (auto& [key, line] : page.m_lines) {
        renumber(line->m_nStart);
        renumber(line->m_nEnd);
    }
    for (auto& [key, face] : page.m_faces) {
        for (uint8_t i = 0; i < face->m_nVerts; ++i) {
            renumber(face->m_pVerts[i]);
        }
    }
    for (auto& [key, text] : page.m_texts) {
        if (std::find(skippedTexts.begin(), skippedTexts.end(), key) != skippedTexts.end()) {
            continue;
        }
        for (uint32_t i = 0; i < text->m_nVertCount && i < CDTextCell::kMaxVerts; ++i) {
            renumber(text->m_verts[i]);
        }
    }
    for (auto& [key, button] : page.m_buttons) {
        for (int& vertex : button->m_targetVerts) {
            renumber(vertex);
        }
    }
}

}  // namespace velnor
