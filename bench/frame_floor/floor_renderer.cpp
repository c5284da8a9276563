#include "floor_renderer.h"

#include <GL/gl.h>

#include <vector>

#include "view/label_atlas.h"

namespace velnor {

namespace {

// A glyph's texture: half its texels pass the alpha test, as the ink of a letter might.
constexpr int kGlyphTexels = 16;

std::vector<GLubyte> GlyphTexels() {
    std::vector<GLubyte> alpha(kGlyphTexels * kGlyphTexels);
    for (size_t i = 0; i < alpha.size(); ++i) {
        alpha[i] = (i / kGlyphTexels + i) % 2 == 0 ? 255 : 0;
    }
    return alpha;
}

std::vector<GlyphVertex> GlyphQuads(const std::vector<WindowPoint>& glyphs,
                                    const FloorStyle& style) {
    std::vector<GlyphVertex> quads;
    const float w = style.glyphWidth, h = style.glyphHeight;
    for (const WindowPoint& p : glyphs) {
        quads.push_back({0, 0, p.x, p.y, p.z});
        quads.push_back({1, 0, p.x + w, p.y, p.z});
        quads.push_back({1, 1, p.x + w, p.y + h, p.z});
        quads.push_back({0, 1, p.x, p.y + h, p.z});
    }
    return quads;
}

void DrawArray(GLenum mode, const std::vector<WindowPoint>& points) {
    if (!points.empty()) {
        glVertexPointer(3, GL_FLOAT, 0, points.data());
        glDrawArrays(mode, 0, static_cast<GLsizei>(points.size()));
    }
}

}  // namespace

FloorRenderer::FloorRenderer() {
    glGenTextures(1, &m_glyphTexture);
    glBindTexture(GL_TEXTURE_2D, m_glyphTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, kGlyphTexels, kGlyphTexels, 0, GL_ALPHA,
                 GL_UNSIGNED_BYTE, GlyphTexels().data());
    glAlphaFunc(GL_GREATER, 0.5f);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnableClientState(GL_VERTEX_ARRAY);
}

FloorRenderer::~FloorRenderer() {
    m_target.MakeCurrent();
    glDeleteTextures(1, &m_glyphTexture);
}

void FloorRenderer::Prepare(const FloorStyle& style) {
    m_target.Bind(style.width, style.height);
    glViewport(0, 0, style.width, style.height);
    // Window coordinates in, window coordinates out: depth 0 near, 1 far.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, style.width, 0, style.height, 0, -1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void FloorRenderer::Draw(const FramePrimitives& primitives, const FloorStyle& style) {
    Prepare(style);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLineWidth(style.lineWidth);
    glPointSize(style.pointSize);
    DrawArray(GL_TRIANGLES, primitives.triangles);
    DrawArray(GL_LINES, primitives.lines);
    DrawArray(GL_POINTS, primitives.points);

    const std::vector<GlyphVertex> quads = GlyphQuads(primitives.glyphs, style);
    if (!quads.empty()) {
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_ALPHA_TEST);
        glInterleavedArrays(GL_T2F_V3F, 0, quads.data());
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(quads.size()));
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisable(GL_ALPHA_TEST);
        glDisable(GL_TEXTURE_2D);
    }
    glFinish();
}

}  // namespace velnor
