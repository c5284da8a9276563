#include "view/gl_scene.h"

#include <GL/glu.h>

#include "model/document.h"
#include "model/gl_model.h"
#include "shapes/molecule.h"
#include "shapes/solid_shape.h"
#include "view/gl_driver_hold.h"
#include "view/gl_setup.h"
#include "view/images/image_files.h"
#include "view/images/texture_files.h"
#include "view/list_layout.h"
#include "view/scene_state.h"
#include "view/shape_drawing.h"
#include "view/title_text.h"
#include "view/unit_shapes.h"

namespace velnor {

namespace {

// Lists and textures left for later are made in the middle of a frame; what making them sets
// (the bound texture, pixel storage, client arrays that GLUT switches off) must not leak into it.
template <typename Make>
void WithStateKept(Make make) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    make();
    glPopClientAttrib();
    glPopAttrib();
}

}  // namespace

void GlScene::InitGL(CGlModel& settings, int labelPixelSize) {
    KeepGlDriverLoaded();
    InitContextState(settings);
    CreateTextures();
    settings.m_nTexture = 0;
    m_base = glGenLists(lists::kBlockSize);
    m_componentBase = glGenLists(CPlomDoc::kMaxComponents);
    m_kindBase = glGenLists(kShapeKindCount);
    m_distantMolecule = glGenLists(1);
    settings.m_nListBase = m_base;
    m_settings = &settings;
    BuildLabelFont(labelPixelSize);
    BuildUnitShapes(m_base);
    glFlush();
}

void GlScene::CreateTextures() {
    glGenTextures(1, &m_labelTexture);
    glGenTextures(static_cast<GLsizei>(m_textures.size()), m_textures.data());
    for (size_t i = 0; i < m_textures.size(); ++i) {
        glBindTexture(GL_TEXTURE_2D, m_textures[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    }
    glBindTexture(GL_TEXTURE_2D, m_textures[0]);
}

void GlScene::LoadStartupTextures() const {
    if (m_bTexturesLoaded || m_base == 0) {
        return;
    }
    m_bTexturesLoaded = true;
    WithStateKept([this] {
        for (size_t index = 0; index < m_textures.size(); ++index) {
            const QString file = TextureFile(static_cast<int>(index) + 1);
            if (file.isEmpty()) {
                continue;
            }
            if (const auto pixels = ReadImageFileQuietly(file)) {
                Upload(m_textures[index], *pixels);
            }
        }
    });
}

GLuint GlScene::Texture(uint32_t index) const {
    LoadStartupTextures();
    return m_textures[index < m_textures.size() ? index : 0];
}

void GlScene::LoadTexture(uint32_t index, const PixelBuffer& pixels) {
    Upload(Texture(index), pixels);
}

void GlScene::Upload(GLuint texture, const PixelBuffer& pixels) const {
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, pixels.width, pixels.height, GL_RGB, GL_UNSIGNED_BYTE,
                      pixels.bytes.data());
}

void GlScene::Release() {
    if (m_base == 0) {
        return;
    }
    glDeleteLists(m_base, lists::kBlockSize);
    glDeleteLists(m_componentBase, CPlomDoc::kMaxComponents);
    glDeleteLists(m_kindBase, kShapeKindCount);
    glDeleteLists(m_distantMolecule, 1);
    glDeleteTextures(static_cast<GLsizei>(m_textures.size()), m_textures.data());
    glDeleteTextures(1, &m_labelTexture);
    m_labelTexture = 0;
    m_base = m_componentBase = m_kindBase = m_distantMolecule = 0;
    m_textures = {};
    m_settings = nullptr;
    m_bAxesBuilt = m_bKindListsBuilt = m_bTitleBuilt = m_bTexturesLoaded = false;
}

GLuint GlScene::List(int offset) const {
    if (offset == lists::kAxes) {
        BuildAxesList();
    } else if (offset == lists::kTitle && !m_bTitleBuilt) {
        BuildTitle();
    }
    return m_base + static_cast<GLuint>(offset);
}

// The title's letters follow the settings: its list is the title list of the block.
GLuint GlScene::KindList(ShapeKind kind) const {
    if (kind == ShapeKind::kTitle) {
        return List(lists::kTitle);
    }
    BuildKindLists();
    return m_kindBase + static_cast<GLuint>(kind);
}

bool GlScene::KindTextured(ShapeKind kind) const {
    BuildKindLists();
    return m_kindTextured[static_cast<size_t>(kind)];
}

GLuint GlScene::DistantMoleculeList() const {
    BuildKindLists();
    return m_distantMolecule;
}

void GlScene::BuildAll() const {
    List(lists::kTitle);
    BuildAxesList();
    BuildKindLists();
    LoadStartupTextures();
}

void GlScene::BuildKindLists() const {
    if (m_bKindListsBuilt || m_base == 0) {
        return;
    }
    m_bKindListsBuilt = true;
    WithStateKept([this] {
        for (int k = 0; k < kShapeKindCount; ++k) {
            const auto kind = static_cast<ShapeKind>(k);
            if (kind == ShapeKind::kTitle) {
                continue;
            }
            const SolidShape shape = ShapeOf({kind});
            m_kindTextured[static_cast<size_t>(k)] = shape.textured;
            glNewList(m_kindBase + static_cast<GLuint>(k), GL_COMPILE);
            DrawShape(shape);
            glEndList();
        }
        glNewList(m_distantMolecule, GL_COMPILE);
        DrawSurfaces(MoleculeSurfaces(kDistantAtomSlices));
        glEndList();
    });
}

void GlScene::BuildAxesList() const {
    if (m_bAxesBuilt || m_base == 0) {
        return;
    }
    m_bAxesBuilt = true;
    InitGlutOnce();
    WithStateKept([this] { BuildAxes(m_base + lists::kAxes, m_base); });
}

GLuint GlScene::ComponentList(int number) const {
    if (m_componentBase == 0 || number < 1 || number > CPlomDoc::kMaxComponents) {
        return 0;
    }
    return m_componentBase + static_cast<GLuint>(number - 1);
}

void GlScene::BuildLabelFont(int pixelSize) {
    const LabelGlyphTable glyphs = MakeLabelGlyphs(pixelSize);
    m_labelAdvances = velnor::BuildLabelFont(m_base, glyphs);
    m_labelAtlas = LabelAtlas(glyphs);
    WithStateKept([this] { m_labelAtlas.Upload(m_labelTexture); });
    m_nLabelPixels = pixelSize;
}

void GlScene::RebuildTitle() const {
    if (m_bTitleBuilt) {
        BuildTitle();
    }
}

void GlScene::BuildTitle() const {
    if (m_settings == nullptr) {
        return;
    }
    m_bTitleBuilt = true;
    WithStateKept([this] { velnor::BuildTitle(m_base, *m_settings); });
}

}  // namespace velnor
