#include "view/gl_scene.h"

#include <GL/glu.h>

#include "model/gl_model.h"
#include "view/images/image_files.h"
#include "view/images/texture_files.h"
#include "view/label_font.h"
#include "view/list_layout.h"
#include "view/scene_state.h"
#include "view/title_text.h"
#include "view/unit_shapes.h"

namespace velnor {

void GlScene::InitGL(CGlModel& settings, int labelPixelSize) {
    InitContextState(settings);
    CreateTextures();
    LoadStartupTextures(settings);
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
    }
}

void GlScene::LoadStartupTextures(CGlModel& settings) {
    for (int index = static_cast<int>(m_textures.size()) - 1; index >= 0; --index) {
        settings.m_nTexture = index;
        const QString file = TextureFile(index + 1);
        if (file.isEmpty()) {
            continue;
        }
        if (const auto pixels = ReadImageFileQuietly(file)) {
            LoadTexture(static_cast<uint32_t>(index), *pixels);
        }
    }
    glBindTexture(GL_TEXTURE_2D, m_textures[0]);
}

void GlScene::LoadTexture(uint32_t index, const PixelBuffer& pixels) {
    glBindTexture(GL_TEXTURE_2D, Texture(index));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, pixels.width, pixels.height, GL_RGB, GL_UNSIGNED_BYTE,
                      pixels.bytes.data());
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
}

void GlScene::BuildTitle(const CGlModel& settings) {
    velnor::BuildTitle(m_base, settings);
}

}  // namespace velnor
