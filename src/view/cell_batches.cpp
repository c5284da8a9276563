#include "view/cell_batches.h"

#include <cmath>

#include "model/face_cell.h"
#include "model/line_cell.h"
#include "model/page.h"
#include "view/list_layout.h"

namespace velnor {

namespace {

bool InTable(uint8_t vertex) {
    return vertex < CGpage::kMaxVertices;
}

// Turns +z into the direction d, so that the arrow head drawn along +z points along d.
void RotateZOnto(const Float3& d) {
    const float length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (d[0] != 0.0f || d[1] != 0.0f) {
        glRotatef(std::acos(d[2] / length) * 180.0f / 3.1415927f, -d[1], d[0], 0.0f);
    } else if (d[2] < 0.0f) {
        glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    }
}

Float3 Direction(const CGpage& page, const CLineCell& line) {
    const Float3& p0 = page.m_pos[line.m_nStart];
    const Float3& p1 = page.m_pos[line.m_nEnd];
    return {p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]};
}

// A ray ends at the point at infinity in its direction; a line runs to both of them.
void DrawUnbounded(const CGpage& page, const CLineCell& line) {
    const Float3& p0 = page.m_pos[line.m_nStart];
    const Float3 d = Direction(page, line);
    glVertex4f(p0[0], p0[1], p0[2], 1.0f);
    glVertex4f(d[0], d[1], d[2], 0.0f);
    if (line.m_nKind == kStraightLine) {
        glVertex4f(p0[0], p0[1], p0[2], 1.0f);
        glVertex4f(-d[0], -d[1], -d[2], -0.0f);
    }
}

void DrawArrowHead(const CGpage& page, const CLineCell& line, GLuint listBase) {
    const Float3& p1 = page.m_pos[line.m_nEnd];
    glPushMatrix();
    glTranslatef(p1[0], p1[1], p1[2]);
    RotateZOnto(Direction(page, line));
    glCallList(listBase + lists::kArrowHead);
    glPopMatrix();
}

}  // namespace

void LineBatch::Add(const CLineCell& line) {
    if (line.m_bHidden || !InTable(line.m_nStart) || !InTable(line.m_nEnd)) {
        return;
    }
    if (line.m_nKind == kRay || line.m_nKind == kStraightLine) {
        m_unbounded.push_back(&line);
        return;
    }
    m_pairs.push_back(line.m_nStart);
    m_pairs.push_back(line.m_nEnd);
    if (line.m_nKind != kSegment) {
        m_vectors.push_back(&line);  // vectors, and any unknown kind, get an arrow head
    }
}

void LineBatch::Draw(const CGpage& page, GLuint listBase) const {
    if (!m_pairs.empty()) {
        glDrawElements(GL_LINES, static_cast<GLsizei>(m_pairs.size()), GL_UNSIGNED_BYTE,
                       m_pairs.data());
    }
    if (!m_unbounded.empty()) {
        glBegin(GL_LINES);
        for (const CLineCell* line : m_unbounded) {
            DrawUnbounded(page, *line);
        }
        glEnd();
    }
    for (const CLineCell* line : m_vectors) {
        DrawArrowHead(page, *line, listBase);
    }
}

bool IsDrawableFace(const CFaceCell& face) {
    const auto verts = face.Verts();
    if (face.m_bHidden || verts.size() < 3 || verts.size() > CFaceCell::kMaxVerts) {
        return false;
    }
    for (const uint8_t v : verts) {
        if (!InTable(v)) {
            return false;
        }
    }
    return true;
}

void FaceBatch::Add(const CFaceCell& face) {
    if (!IsDrawableFace(face)) {
        return;
    }
    const auto verts = face.Verts();
    if (verts.size() == 3) {
        m_triangles.insert(m_triangles.end(), verts.begin(), verts.end());
    } else if (verts.size() == 4) {
        m_quads.insert(m_quads.end(), verts.begin(), verts.end());
    } else {
        m_polygons.push_back(&face);
    }
}

void FaceBatch::Draw() const {
    if (!m_triangles.empty()) {
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(m_triangles.size()), GL_UNSIGNED_BYTE,
                       m_triangles.data());
    }
    if (!m_quads.empty()) {
        glDrawElements(GL_QUADS, static_cast<GLsizei>(m_quads.size()), GL_UNSIGNED_BYTE,
                       m_quads.data());
    }
    for (const CFaceCell* face : m_polygons) {
        glDrawElements(GL_POLYGON, face->m_nVerts, GL_UNSIGNED_BYTE, face->m_pVerts.data());
    }
}

}  // namespace velnor
