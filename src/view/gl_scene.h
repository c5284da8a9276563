#pragma once

#include <GL/gl.h>

#include <array>

#include "view/glut_shapes.h"

namespace velnor {

class CGlModel;
class CGpage;
struct PixelBuffer;

// The OpenGL objects the figure is drawn with: the block of display lists (label glyphs, title,
// unit shapes), separate blocks for the page components and the GLUT shapes, and the three
// textures. One per context;
// the window and the offscreen renderer each own one.
class GlScene {
public:
    GlScene() = default;
    GlScene(const GlScene&) = delete;
    GlScene& operator=(const GlScene&) = delete;

    // With the context current: constant state, the settings, textures, every display list and the
    // label font at `labelPixelSize`. Writes the list base into the settings.
    void InitGL(CGlModel& settings, int labelPixelSize);
    // With the context current: deletes the lists and textures.
    void Release();
    bool IsInitialized() const { return m_base != 0; }

    GLuint ListBase() const { return m_base; }
    // The list of page component `number` (1..22), or 0 for a number outside that range.
    GLuint ComponentList(int number) const;
    GLuint Texture(uint32_t index) const {
        return m_textures[index < m_textures.size() ? index : 0];
    }
    const std::array<GLuint, 3>& Textures() const { return m_textures; }
    // The list holding a GLUT shape.
    GLuint Shape(GlutShape shape) const { return m_shapeBase + static_cast<GLuint>(shape); }

    // With the context current: texture `index` takes the picture, with its mipmaps. The texture
    // stays bound.
    void LoadTexture(uint32_t index, const PixelBuffer& pixels);

    // With the context current: rebuild the label glyphs or the title lists.
    void BuildLabelFont(int pixelSize);
    void BuildTitle(const CGlModel& settings);

private:
    void CreateTextures();
    // Textures 2, 1, 0 from the pictures installed with the program (a missing one stays empty);
    // then the texture index is 0 and texture 0 is bound.
    void LoadStartupTextures(CGlModel& settings);

    GLuint m_base = 0;
    GLuint m_componentBase = 0;
    GLuint m_shapeBase = 0;
    std::array<GLuint, 3> m_textures{};
};

}  // namespace velnor
