#include "frame_primitives.h"

#include <GL/gl.h>

#include <array>
#include <set>
#include <stdexcept>

namespace velnor {

namespace {

// Takes the floats of a feedback buffer in order, refusing to read past its end.
class FeedbackCursor {
public:
    explicit FeedbackCursor(std::span<const float> buffer) : m_buffer(buffer) {}

    bool AtEnd() const { return m_next == m_buffer.size(); }

    float Next() {
        if (AtEnd()) {
            throw std::runtime_error("feedback buffer ends inside a primitive");
        }
        return m_buffer[m_next++];
    }

    WindowPoint NextPoint() {
        const float x = Next(), y = Next();
        return {x, y, Next()};
    }

private:
    std::span<const float> m_buffer;
    size_t m_next = 0;
};

// Keeps the first of equal primitives of N points, in the order they came.
template <size_t N>
class OnceEach {
public:
    explicit OnceEach(std::vector<WindowPoint>& out) : m_out(out) {}

    void Add(const std::array<WindowPoint, N>& primitive) {
        if (m_seen.insert(primitive).second) {
            m_out.insert(m_out.end(), primitive.begin(), primitive.end());
        }
    }

private:
    std::vector<WindowPoint>& m_out;
    std::set<std::array<WindowPoint, N>> m_seen;
};

}  // namespace

FramePrimitives ReadFeedback(std::span<const float> buffer) {
    FramePrimitives primitives;
    OnceEach<1> points(primitives.points), glyphs(primitives.glyphs);
    OnceEach<2> lines(primitives.lines);
    OnceEach<3> triangles(primitives.triangles);
    FeedbackCursor cursor(buffer);
    while (!cursor.AtEnd()) {
        switch (static_cast<GLenum>(cursor.Next())) {
            case GL_POINT_TOKEN:
                points.Add({cursor.NextPoint()});
                break;
            case GL_LINE_TOKEN:
            case GL_LINE_RESET_TOKEN: {
                const WindowPoint a = cursor.NextPoint();
                lines.Add({a, cursor.NextPoint()});
                break;
            }
            case GL_POLYGON_TOKEN: {
                const int count = static_cast<int>(cursor.Next());
                std::vector<WindowPoint> corners;
                for (int i = 0; i < count; ++i) {
                    corners.push_back(cursor.NextPoint());
                }
                for (int i = 2; i < count; ++i) {
                    triangles.Add({corners[0], corners[i - 1], corners[i]});
                }
                break;
            }
            case GL_BITMAP_TOKEN:
                glyphs.Add({cursor.NextPoint()});
                break;
            case GL_DRAW_PIXEL_TOKEN:
            case GL_COPY_PIXEL_TOKEN:
                cursor.NextPoint();
                break;
            case GL_PASS_THROUGH_TOKEN:
                cursor.Next();
                break;
            default:
                throw std::runtime_error("unknown feedback token");
        }
    }
    return primitives;
}

FramePrimitives CaptureFrame(const std::function<void()>& drawFrame) {
    // Feedback reports an overflow only after the frame: grow and draw again until it fits.
    std::vector<float> buffer(1 << 20);
    for (;;) {
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        drawFrame();
        const GLint used = glRenderMode(GL_RENDER);
        if (used >= 0) {
            return ReadFeedback(std::span(buffer).first(static_cast<size_t>(used)));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace velnor
