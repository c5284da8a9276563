#include "view/cell_renderer.h"

#include <array>
#include <cmath>
#include <vector>

#include "model/bit_text.h"
#include "model/dtext_cell.h"
#include "model/face_cell.h"
#include "model/gl_model.h"
#include "view/cell_batches.h"
#include "view/gl_scene.h"
#include "view/render_env.h"

namespace velnor {

namespace {

// The bytes of a text that have label glyphs, at most as many as one call takes.
struct LabelGlyphs {
    explicit LabelGlyphs(std::string_view text) {
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 32 && byte < 128 && count < codes.size()) {
                codes[count++] = byte;
            }
        }
    }

    std::array<GLubyte, 256> codes{};
    size_t count = 0;
};

void ApplyMaterial(GLenum face, const Material& m) {
    glMaterialfv(face, GL_AMBIENT, m.ambient.data());
    glMaterialfv(face, GL_DIFFUSE, m.diffuse.data());
    glMaterialfv(face, GL_SPECULAR, m.specular.data());
    glMaterialf(face, GL_SHININESS, m.shininess);
}

}  // namespace

void DrawFace(const CFaceCell& face) {
    if (IsDrawableFace(face)) {
        const GLenum mode = face.m_nVerts == 3   ? GL_TRIANGLES
                            : face.m_nVerts == 4 ? GL_QUADS
                                                 : GL_POLYGON;
        glDrawElements(mode, face.m_nVerts, GL_UNSIGNED_BYTE, face.m_pVerts.data());
    }
}

void DrawSelectedPoints(std::span<const GLubyte> indices, Rgb mark, Rgb background) {
    if (indices.empty()) {
        return;
    }
    struct Disc {
        GLfloat size;
        Rgb colour;
    };
    const Disc discs[] = {{13.0f, mark}, {8.0f, background}, {4.0f, mark}};
    glPushAttrib(GL_POINT_BIT | GL_CURRENT_BIT);
    for (const Disc& disc : discs) {
        glPointSize(disc.size);
        glColor3ub(disc.colour.r, disc.colour.g, disc.colour.b);
        glDrawElements(GL_POINTS, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_BYTE,
                       indices.data());
    }
    glPopAttrib();
}

void CallLabelString(GLuint listBase, std::string_view text) {
    const LabelGlyphs glyphs(text);
    if (glyphs.count > 0) {
        glListBase(listBase);
        glCallLists(static_cast<GLsizei>(glyphs.count), GL_UNSIGNED_BYTE, glyphs.codes.data());
    }
}

float LabelStringWidth(const GlScene& scene, std::string_view text) {
    const LabelGlyphs glyphs(text);
    float width = 0.0f;
    for (size_t i = 0; i < glyphs.count; ++i) {
        width += scene.LabelAdvance(glyphs.codes[i]);
    }
    return width;
}

void ShiftRasterPosition(float dx, float dy) {
    glBitmap(0, 0, 0.0f, 0.0f, dx, dy, nullptr);
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
        // Over the figure, never half hidden by its faces.
        glPushAttrib(GL_ENABLE_BIT);
        glDisable(GL_DEPTH_TEST);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glBitmap(text.m_nWidth, text.m_nHeight, static_cast<GLfloat>(text.m_nWidth / 2),
                 static_cast<GLfloat>(text.m_nHeight / 2), 0, 0, text.m_bits.data());
        glPopAttrib();
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
