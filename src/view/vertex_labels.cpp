#include "view/vertex_labels.h"

#include <GL/gl.h>

#include <array>
#include <vector>

#include "model/page.h"
#include "view/gl_scene.h"
#include "view/raster_projection.h"
#include "view/render_env.h"

namespace velnor {

namespace {

// A label starts this far from its point along each axis.
constexpr float kLabelOffset = 0.2f;

std::vector<GlyphVertex> LabelQuads(const CGpage& page, const LabelAtlas& atlas) {
    const RasterProjection raster = RasterProjection::Current();
    std::vector<GlyphVertex> quads;
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        if (!page.m_bShown[i]) {
            continue;
        }
        const Float3& p = page.m_pos[i];
        if (const auto at =
                raster.Position({p[0] + kLabelOffset, p[1] + kLabelOffset, p[2] + kLabelOffset})) {
            atlas.AddText(page.m_label[i], at->x, at->y, at->z, quads);
        }
    }
    return quads;
}

// Viewport pixels and window depths in, the same out.
void LoadViewportPixels() {
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewport[2], 0, viewport[3], 0, -1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void RestoreMatrices() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

}  // namespace

void DrawVertexLabels(const CGpage& page, const RenderEnv& env) {
    const std::vector<GlyphVertex> quads = LabelQuads(page, env.scene.Labels());
    if (quads.empty()) {
        return;
    }
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    LoadViewportPixels();
    // Bitmaps take neither light, stipple nor the clip plane (it was applied to the points).
    glDisable(GL_LIGHTING);
    glDisable(GL_POLYGON_STIPPLE);
    glDisable(GL_CLIP_PLANE0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, env.scene.LabelTexture());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    // A glyph's texels are 0 or 255: the test keeps exactly the bitmap's set bits.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    glInterleavedArrays(GL_T2F_V3F, 0, quads.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(quads.size()));
    RestoreMatrices();
    glPopClientAttrib();
    glPopAttrib();
}

}  // namespace velnor
