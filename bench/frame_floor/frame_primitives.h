#pragma once

#include <functional>
#include <span>
#include <vector>

namespace velnor {

// A point of the window as OpenGL rasterises it: x, y in pixels, z the depth (0 near .. 1 far).
struct WindowPoint {
    float x, y, z;
    auto operator<=>(const WindowPoint&) const = default;
};

// What a frame leaves on the window once each, in window coordinates: a line drawn twice (solid
// where seen, dashed where hidden) counts once, as does a face drawn once for its colour and
// once into the depth buffer. Polygons become triangle fans.
struct FramePrimitives {
    std::vector<WindowPoint> points;
    std::vector<WindowPoint> lines;      // two points a line
    std::vector<WindowPoint> triangles;  // three points a triangle
    std::vector<WindowPoint> glyphs;     // where each bitmap (a label glyph) starts
};

// Reads a feedback buffer filled in GL_3D mode. Throws std::runtime_error on a token it does not
// know or a buffer that ends inside a primitive.
FramePrimitives ReadFeedback(std::span<const float> buffer);

// With a context current: runs `drawFrame` in feedback mode and reads what it drew.
FramePrimitives CaptureFrame(const std::function<void()>& drawFrame);

}  // namespace velnor
