#include "view/gl_scene.h"

#include <GL/glu.h>

#include <vector>

#include "model/gl_model.h"
#include "view/label_font.h"
#include "view/list_layout.h"
#include "view/scene_state.h"
#include "view/title_text.h"
#include "view/unit_shapes.h"

namespace velnor {

namespace {

// Until an image is loaded into them, the textures hold a soft two-tone check, so that textured
// solids never show the black of an empty texture.
void FillDefaultTexture(int index) {
    constexpr int kSize = 64;
    static constexpr GLubyte kTones[3][2][3] = {{{230, 230, 230}, {170, 170, 190}},
                                                {{235, 215, 170}, {190, 150, 100}},
                                                {{190, 225, 190}, {120, 170, 130}}};
    std::vector<GLubyte> pixels(kSize * kSize * 3);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const GLubyte* tone = kTones[index][((x / 8) + (y / 8)) % 2];
            GLubyte* p = &pixels[(y * kSize + x) * 3];
            p[0] = tone[0];
            p[1] = tone[1];
            p[2] = tone[2];
        }
    }
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
}

}  // namespace

void GlScene::InitGL(CGlModel& settings, int labelPixelSize) {
    InitContextState(settings);
    CreateTextures();
    settings.m_nTexture = 0;
    m_base = glGenLists(lists::kBlockSize);
    m_componentBase = glGenLists(lists::kMaxComponents);
    m_shapeBase = glGenLists(static_cast<GLsizei>(GlutShape::kCount));
    settings.m_nListBase = m_base;
    BuildLabelFont(labelPixelSize);
    BuildUnitShapes(m_base);
    BuildTitle(settings);
    BuildGlutShapes(m_shapeBase);
    // Some shapes switch the vertex array off behind our back while they compile.
    glEnableClientState(GL_VERTEX_ARRAY);
    glFlush();
}

void GlScene::CreateTextures() {
    glGenTextures(static_cast<GLsizei>(m_textures.size()), m_textures.data());
    for (size_t i = 0; i < m_textures.size(); ++i) {
        glBindTexture(GL_TEXTURE_2D, m_textures[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        FillDefaultTexture(static_cast<int>(i));
    }
    glBindTexture(GL_TEXTURE_2D, m_textures[0]);
}

void GlScene::Release() {
    if (m_base == 0) {
        return;
    }
    glDeleteLists(m_base, lists::kBlockSize);
    glDeleteLists(m_componentBase, lists::kMaxComponents);
    glDeleteLists(m_shapeBase, static_cast<GLsizei>(GlutShape::kCount));
    glDeleteTextures(static_cast<GLsizei>(m_textures.size()), m_textures.data());
    m_base = m_componentBase = m_shapeBase = 0;
    m_textures = {};
}

GLuint GlScene::ComponentList(int number) const {
    if (m_componentBase == 0 || number < 1 || number > lists::kMaxComponents) {
        return 0;
    }
    return m_componentBase + static_cast<GLuint>(number - 1);
}

void GlScene::BuildLabelFont(int pixelSize) {
    velnor::BuildLabelFont(m_base, pixelSize);
    m_nLabelPixels = pixelSize;
}

void GlScene::BuildTitle(const CGlModel& settings) {
    velnor::BuildTitle(m_base, settings);
}

}  // namespace velnor
