#pragma once

#include <GL/gl.h>

#include <array>
#include <string_view>
#include <vector>

#include "view/label_font.h"

namespace velnor {

// A corner of a glyph's quad: where it lies on the atlas and in the viewport's pixels.
struct GlyphVertex {
    GLfloat s, t;
    GLfloat x, y, z;
};

// The label glyphs side by side in one alpha texture, so that every vertex label of a page goes
// to OpenGL in one draw call rather than one bitmap at a time.
class LabelAtlas {
public:
    // The glyphs packed in rows of at most this many texels.
    static constexpr int kWidth = 512;

    // Places the glyphs on the atlas and keeps its texels; Upload makes them a texture.
    explicit LabelAtlas(const LabelGlyphTable& glyphs = {});

    // The quads of `text` from a raster position (x, y viewport pixels, z window depth), each
    // glyph on the pixels its glBitmap would set; bytes without a glyph are skipped.
    void AddText(std::string_view text, float x, float y, float z,
                 std::vector<GlyphVertex>& quads) const;

    int Height() const { return m_nHeight; }
    // The texel at (x, y), rows going upwards: 255 where a glyph's bit is set.
    GLubyte Texel(int x, int y) const {
        return m_texels[static_cast<size_t>(y) * kWidth + static_cast<size_t>(x)];
    }

    // With the context current: the texels into `texture`, sampled texel for pixel.
    void Upload(GLuint texture) const;

private:
    struct Place {
        int x = 0, y = 0;
    };

    LabelGlyphTable m_glyphs;
    std::array<Place, 128> m_places{};
    int m_nHeight = 0;
    std::vector<GLubyte> m_texels;
};

}  // namespace velnor
