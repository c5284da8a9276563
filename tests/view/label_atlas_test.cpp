#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "view/label_atlas.h"

namespace velnor {
namespace {

// A glyph of width x height whose bit (x, y) is set where (x + 2 y) % 3 == 0: every row and
// column differs from its neighbours, so a quad shifted by a texel shows.
LabelGlyph Patterned(int width, int height, float originX, float originY, float advance) {
    LabelGlyph glyph{width, height, originX, originY, advance, {}};
    const int bytesPerRow = (width + 7) / 8;
    glyph.bits.assign(static_cast<size_t>(bytesPerRow * height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((x + 2 * y) % 3 == 0) {
                glyph.bits[static_cast<size_t>(y * bytesPerRow + x / 8)] |=
                    static_cast<GLubyte>(0x80 >> (x % 8));
            }
        }
    }
    return glyph;
}

LabelGlyphTable SomeGlyphs() {
    LabelGlyphTable glyphs;
    glyphs['1'] = Patterned(9, 17, 1, 4, 10);
    glyphs['A'] = Patterned(21, 26, 3, 6, 17.5f);
    glyphs['W'] = Patterned(300, 30, 2, 6, 290);  // too wide to share a row with another
    glyphs['x'] = Patterned(300, 12, 0, 3, 300);
    return glyphs;
}

// The texel a quad shows at pixel (px, py) of its own, sampled at the pixel's centre as
// nearest filtering does.
GLubyte Shown(const LabelAtlas& atlas, const GlyphVertex* quad, int px, int py) {
    const float s = quad[0].s + (quad[1].s - quad[0].s) * (px + 0.5f) / (quad[1].x - quad[0].x);
    const float t = quad[0].t + (quad[3].t - quad[0].t) * (py + 0.5f) / (quad[3].y - quad[0].y);
    return atlas.Texel(static_cast<int>(std::floor(s * LabelAtlas::kWidth)),
                       static_cast<int>(std::floor(t * atlas.Height())));
}

TEST(LabelAtlasTest, EachQuadShowsItsGlyphsBitsWhereTheBitmapWouldSetThem) {
    const LabelGlyphTable glyphs = SomeGlyphs();
    const LabelAtlas atlas(glyphs);
    struct Case {
        std::string text;
        float x, y;
    };
    for (const Case& c : {Case{"A", 100, 50}, Case{"A1", 100.7f, 50.2f}, Case{"W1x", 3.5f, 0},
                          Case{"xAW", 40, 40.9f}}) {
        SCOPED_TRACE(c.text);
        std::vector<GlyphVertex> quads;
        atlas.AddText(c.text, c.x, c.y, 0.25f, quads);
        ASSERT_EQ(quads.size(), 4 * c.text.size());
        float x = c.x;
        for (size_t i = 0; i < c.text.size(); ++i) {
            const LabelGlyph& glyph = glyphs[static_cast<unsigned char>(c.text[i])];
            const GlyphVertex* quad = &quads[4 * i];
            EXPECT_EQ(quad[0].x, std::floor(x - glyph.originX));
            EXPECT_EQ(quad[0].y, std::floor(c.y - glyph.originY));
            EXPECT_EQ(quad[2].x - quad[0].x, glyph.width);
            EXPECT_EQ(quad[2].y - quad[0].y, glyph.height);
            EXPECT_EQ(quad[2].z, 0.25f);
            int wrong = 0;
            for (int py = 0; py < glyph.height; ++py) {
                for (int px = 0; px < glyph.width; ++px) {
                    wrong += (Shown(atlas, quad, px, py) != 0) != glyph.IsSet(px, py) ? 1 : 0;
                }
            }
            EXPECT_EQ(wrong, 0) << "glyph " << c.text[i];
            x += glyph.advance;
        }
    }
}

TEST(LabelAtlasTest, SkipsBytesWithoutAGlyph) {
    const LabelAtlas atlas(SomeGlyphs());
    std::vector<GlyphVertex> quads;
    atlas.AddText(
        "\tA\x80\xE4"
        "1",
        0, 0, 0, quads);
    ASSERT_EQ(quads.size(), 8u);
    EXPECT_EQ(quads[4].x, std::floor(17.5f - 1));  // the digit follows the letter's advance
}

}  // namespace
}  // namespace velnor
