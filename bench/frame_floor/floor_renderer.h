#pragma once

#include "frame_primitives.h"
#include "view/offscreen_target.h"

namespace velnor {

// How the floor draws what a frame drew: its size, and the sizes OpenGL does not report back.
struct FloorStyle {
    int width = 0;
    int height = 0;
    float lineWidth = 1.0f;
    float pointSize = 1.0f;
    // A label glyph's quad, in pixels.
    float glyphWidth = 1.0f;
    float glyphHeight = 1.0f;
};

// The least a frame can cost: the primitives it leaves on the window, drawn once each in plain
// OpenGL (no smoothing, stipple, lighting or changes of state between them) in a context of the
// view's kind, the glyphs as textured quads from one texture. Needs a QGuiApplication.
class FloorRenderer {
public:
    // Throws std::runtime_error when no OpenGL context can be made.
    FloorRenderer();
    ~FloorRenderer();
    FloorRenderer(const FloorRenderer&) = delete;
    FloorRenderer& operator=(const FloorRenderer&) = delete;

    // Draws the primitives and waits for them, as a frame does.
    void Draw(const FramePrimitives& primitives, const FloorStyle& style);

private:
    void Prepare(const FloorStyle& style);

    OffscreenTarget m_target;
    unsigned m_glyphTexture = 0;
};

}  // namespace velnor
