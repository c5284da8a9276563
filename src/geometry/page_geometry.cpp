#include "geometry/page_geometry.h"

namespace velnor {

SelectionCounts CountSelection(const CGpage& page) {
    return {page.m_selPoints.size(), page.m_selLines.size(), page.m_selFaces.size(),
            page.m_selSolids.size()};
}

const CLineCell* FindLine(const CGpage& page, int key) {
    const auto it = page.m_lines.find(static_cast<uint16_t>(key));
    return it == page.m_lines.end() ? nullptr : it->second.get();
}

const CFaceCell* FindFace(const CGpage& page, int key) {
    const auto it = page.m_faces.find(static_cast<uint16_t>(key));
    return it == page.m_faces.end() ? nullptr : it->second.get();
}

const CSubassembly* FindSolid(const CGpage& page, int key) {
    const auto it = page.m_solids.find(static_cast<uint16_t>(key));
    return it == page.m_solids.end() ? nullptr : it->second.get();
}

CSubassembly* FindSolid(CGpage& page, int key) {
    return const_cast<CSubassembly*>(FindSolid(static_cast<const CGpage&>(page), key));
}

LineEnds EndsOf(const CGpage& page, const CLineCell& line) {
    return {line.m_nStart, line.m_nEnd, VertexPosition(page, line.m_nStart),
            VertexPosition(page, line.m_nEnd)};
}

FaceCorners CornersOf(const CGpage& page, const CFaceCell& face) {
    const auto& verts = face.m_pVerts;
    return {{verts[0], verts[1], verts[2]},
            VertexPosition(page, verts[0]),
            VertexPosition(page, verts[1]),
            VertexPosition(page, verts[2])};
}

}  // namespace velnor
