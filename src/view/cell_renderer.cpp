#include "view/cell_renderer.h"

#include <array>
#include <cmath>
#include <vector>

#include "model/bit_text.h"
#include "model/dtext_cell.h"
#include "model/face_cell.h"
#include "model/gl_model.h"
#include "model/line_cell.h"
#include "model/page.h"
#include "view/list_layout.h"
#include "view/render_env.h"

namespace velnor {

namespace {

bool InTable(uint8_t vertex) { return vertex < CGpage::kMaxVertices; }

// Turns +z into the direction d, so that the arrow head drawn along +z points along d.
void RotateZOnto(const Float3& d) {
    const float length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (d[0] != 0.0f || d[1] != 0.0f) {
        glRotatef(std::acos(d[2] / length) * 180.0f / 3.1415927f, -d[1], d[0], 0.0f);
    } else if (d[2] < 0.0f) {
        glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    }
}

void ApplyMaterial(GLenum face, const Material& m) {
    glMaterialfv(face, GL_AMBIENT, m.ambient.data());
    glMaterialfv(face, GL_DIFFUSE, m.diffuse.data());
    glMaterialfv(face, GL_SPECULAR, m.specular.data());
    glMaterialf(face, GL_SHININESS, m.shininess);
}

}  // namespace

void DrawLine(const CLineCell& line, const CGpage& page, GLuint listBase) {
    if (line.m_bHidden || !InTable(line.m_nStart) || !InTable(line.m_nEnd)) {
        return;
    }
    const GLubyte ends[2] = {line.m_nStart, line.m_nEnd};
    const Float3 p0 = page.m_pos[line.m_nStart];
    const Float3 p1 = page.m_pos[line.m_nEnd];
    const Float3 d{p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]};
    switch (line.m_nKind) {
        case kSegment:
            glDrawElements(GL_LINES, 2, GL_UNSIGNED_BYTE, ends);
            break;
        case kRay:
            // The far end is the point at infinity in the line's direction.
            glBegin(GL_LINES);
            glVertex4f(p0[0], p0[1], p0[2], 1.0f);
            glVertex4f(d[0], d[1], d[2], 0.0f);
            glEnd();
            break;
        case kStraightLine:
            glBegin(GL_LINES);
            glVertex4f(p0[0], p0[1], p0[2], 1.0f);
            glVertex4f(d[0], d[1], d[2], 0.0f);
            glVertex4f(p0[0], p0[1], p0[2], 1.0f);
            glVertex4f(-d[0], -d[1], -d[2], -0.0f);
            glEnd();
            break;
        default:
            glDrawElements(GL_LINES, 2, GL_UNSIGNED_BYTE, ends);
            glPushMatrix();
            glTranslatef(p1[0], p1[1], p1[2]);
            RotateZOnto(d);
            glCallList(listBase + lists::kArrowHead);
            glPopMatrix();
            break;
    }
}

void DrawFace(const CFaceCell& face) {
    const std::span<const uint8_t> verts = face.Verts();
    if (face.m_bHidden || verts.size() < 3 || verts.size() > CFaceCell::kMaxVerts) {
        return;
    }
    for (const uint8_t v : verts) {
        if (!InTable(v)) {
            return;
        }
    }
    const GLenum mode = verts.size() == 3 ? GL_TRIANGLES : verts.size() == 4 ? GL_QUADS : GL_POLYGON;
    glDrawElements(mode, static_cast<GLsizei>(verts.size()), GL_UNSIGNED_BYTE, verts.data());
}

void CallLabelString(GLuint listBase, std::string_view text) {
    std::array<GLubyte, 256> glyphs{};
    size_t count = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte < 128 && count < glyphs.size()) {
            glyphs[count++] = byte;
        }
    }
    if (count > 0) {
        glListBase(listBase);
        glCallLists(static_cast<GLsizei>(count), GL_UNSIGNED_BYTE, glyphs.data());
    }
}

void DrawDText(const CDTextCell& text, GLuint listBase) {
    if (!text.m_bHidden) {
        CallLabelString(listBase, text.m_strText);
    }
}

void DrawBitText(const CBitText& text, const RenderEnv& env, bool ownColor) {
    if (text.m_bHidden) {
        return;
    }
    const bool ownMaterial = ownColor && text.m_bOwnMaterial;
    if (ownMaterial) {
        glPushAttrib(GL_LIGHTING_BIT);
        ApplyMaterial(GL_FRONT, text.m_material);
    }
    if (ownColor) {
        glColor3ub(text.m_color.r, text.m_color.g, text.m_color.b);
    }
    // Bitmap texts do not turn with the scene: only the pan and the distance move them. Their z is
    // the height on the screen and their y the depth.
    const ViewCamera& camera = env.settings.m_camera;
    glPushMatrix();
    glLoadIdentity();
    glRasterPos3f(text.m_position[0] + camera.m_fPanX, text.m_position[2] + camera.m_fPanY,
                  text.m_position[1] + camera.m_fDistance);
    const size_t needed = static_cast<size_t>(CBitText::BytesPerRow(text.m_nWidth)) *
                          static_cast<size_t>(text.m_nHeight);
    if (!text.m_bits.empty() && text.m_bits.size() >= needed) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glBitmap(text.m_nWidth, text.m_nHeight, static_cast<GLfloat>(text.m_nWidth / 2),
                 static_cast<GLfloat>(text.m_nHeight / 2), 0, 0,
                 text.m_bits.data());
    }
    glPopMatrix();
    if (ownColor) {
        const Rgb c = env.settings.m_componentColor;
        glColor3ub(c.r, c.g, c.b);
    }
    if (ownMaterial) {
        glPopAttrib();
    }
}

}  // namespace velnor
