#include "view/label_atlas.h"

#include <algorithm>
#include <cmath>

namespace velnor {

namespace {

// A texel between glyphs, so that no quad's edge samples its neighbour.
constexpr int kGap = 1;

}  // namespace

LabelAtlas::LabelAtlas(const LabelGlyphTable& glyphs) : m_glyphs(glyphs) {
    int x = 0, y = 0, rowHeight = 0;
    for (size_t code = kFirstLabelCode; code < m_glyphs.size(); ++code) {
        const LabelGlyph& glyph = m_glyphs[code];
        if (x + glyph.width > kWidth) {
            x = 0;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        m_places[code] = {x, y};
        x += glyph.width + kGap;
        rowHeight = std::max(rowHeight, glyph.height);
    }
    m_nHeight = std::max(1, y + rowHeight);
    m_texels.assign(static_cast<size_t>(kWidth) * m_nHeight, 0);
    for (size_t code = kFirstLabelCode; code < m_glyphs.size(); ++code) {
        const LabelGlyph& glyph = m_glyphs[code];
        for (int gy = 0; gy < glyph.height; ++gy) {
            for (int gx = 0; gx < glyph.width; ++gx) {
                if (glyph.IsSet(gx, gy)) {
                    m_texels[static_cast<size_t>(m_places[code].y + gy) * kWidth +
                             static_cast<size_t>(m_places[code].x + gx)] = 255;
                }
            }
        }
    }
}

void LabelAtlas::AddText(std::string_view text, float x, float y, float z,
                         std::vector<GlyphVertex>& quads) const {
    const float sScale = 1.0f / kWidth, tScale = 1.0f / static_cast<float>(m_nHeight);
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < kFirstLabelCode || code >= m_glyphs.size()) {
            continue;
        }
        const LabelGlyph& glyph = m_glyphs[code];
        // As glBitmap: the bitmap's corner on the pixel below and left of the raster position
        // less the glyph's origin.
        const float left = std::floor(x - glyph.originX), bottom = std::floor(y - glyph.originY);
        const float right = left + static_cast<float>(glyph.width);
        const float top = bottom + static_cast<float>(glyph.height);
        const float s0 = static_cast<float>(m_places[code].x) * sScale;
        const float t0 = static_cast<float>(m_places[code].y) * tScale;
        const float s1 = s0 + static_cast<float>(glyph.width) * sScale;
        const float t1 = t0 + static_cast<float>(glyph.height) * tScale;
        quads.push_back({s0, t0, left, bottom, z});
        quads.push_back({s1, t0, right, bottom, z});
        quads.push_back({s1, t1, right, top, z});
        quads.push_back({s0, t1, left, top, z});
        x += glyph.advance;
    }
}

void LabelAtlas::Upload(GLuint texture) const {
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, kWidth, m_nHeight, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                 m_texels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

}  // namespace velnor
