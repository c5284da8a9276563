#pragma once

#include <GL/gl.h>

#include <array>

#include "shapes/shape_kind.h"
#include "view/label_atlas.h"
#include "view/label_font.h"

namespace velnor {

class CGlModel;
class CGpage;
struct PixelBuffer;

// The OpenGL objects the figure is drawn with: the block of display lists (label glyphs, title,
// axes, arrow head), separate blocks for the page components and for the solid kinds' shapes,
// the three textures and the label atlas. One per context; the window and the offscreen
// renderer each own one.
//
// The lists most pages need are compiled at once. The solid kinds' shapes, the axes (drawn with
// GLUT), the title and the start-up textures' pictures are made when first asked for, which
// keeps their cost, and GLUT's own start, out of the program's start.
class GlScene {
public:
    GlScene() = default;
    GlScene(const GlScene&) = delete;
    GlScene& operator=(const GlScene&) = delete;

    // With the context current: constant state, the settings, the textures' names, the list names
    // and the label font at `labelPixelSize`. Writes the list base and texture index 0 into the
    // settings, and keeps them for compiling the title later.
    void InitGL(CGlModel& settings, int labelPixelSize);
    // With the context current: deletes the lists and textures.
    void Release();
    bool IsInitialized() const { return m_base != 0; }

    GLuint ListBase() const { return m_base; }
    // With the context current: the list at `offset` of the block (see list_layout.h), compiled
    // now if it was left for later.
    GLuint List(int offset) const;
    // With the context current: the list drawing a solid kind's shape in its unit frame,
    // compiled now if need be, and whether it takes the solid's texture.
    GLuint KindList(ShapeKind kind) const;
    bool KindTextured(ShapeKind kind) const;
    // With the context current: the molecule with coarse atoms, for where it is seen from afar.
    GLuint DistantMoleculeList() const;
    // With the context current: compiles every list and loads every texture left for later. Call
    // before compiling a list that may use them, since no list can be compiled while another is.
    void BuildAll() const;

    // The list of page component `number` (1..22), or 0 for a number outside that range.
    GLuint ComponentList(int number) const;
    // With the context current: texture `index` (0 for one out of range), its start-up picture
    // loaded now if need be.
    GLuint Texture(uint32_t index) const;

    // With the context current: texture `index` takes the picture, with its mipmaps. The texture
    // stays bound.
    void LoadTexture(uint32_t index, const PixelBuffer& pixels);

    // With the context current: rebuild the label glyphs, as lists and as the atlas.
    void BuildLabelFont(int pixelSize);
    // The label glyphs on one texture, and that texture.
    const LabelAtlas& Labels() const { return m_labelAtlas; }
    GLuint LabelTexture() const { return m_labelTexture; }
    // The pixel height of the label font, for placing texts inside the view.
    int LabelPixelSize() const { return m_nLabelPixels; }
    // How far a label glyph moves the raster position, in pixels (none for a code without one).
    float LabelAdvance(unsigned char code) const {
        return code < m_labelAdvances.size() ? m_labelAdvances[code] : 0.0f;
    }
    // With the context current: the title follows the settings. It is compiled again now only if
    // it was compiled already.
    void RebuildTitle() const;

private:
    void CreateTextures();
    // Textures 0, 1, 2 from the pictures installed with the program (a missing one stays empty).
    void LoadStartupTextures() const;
    void Upload(GLuint texture, const PixelBuffer& pixels) const;
    void BuildAxesList() const;
    void BuildKindLists() const;
    void BuildTitle() const;

    GLuint m_base = 0;
    GLuint m_componentBase = 0;
    GLuint m_kindBase = 0;
    GLuint m_distantMolecule = 0;
    mutable std::array<bool, kShapeKindCount> m_kindTextured{};
    std::array<GLuint, 3> m_textures{};
    GLuint m_labelTexture = 0;
    LabelAtlas m_labelAtlas;
    int m_nLabelPixels = 0;
    LabelAdvances m_labelAdvances{};
    const CGlModel* m_settings = nullptr;
    // What is made on first use: a cache, so asking for it stays a const question.
    mutable bool m_bAxesBuilt = false;
    mutable bool m_bKindListsBuilt = false;
    mutable bool m_bTitleBuilt = false;
    mutable bool m_bTexturesLoaded = false;
};

}  // namespace velnor
