#pragma once

#include <memory>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

namespace velnor {

// A context of the view's kind on a surface nobody sees, drawing into a framebuffer object with
// a depth buffer. Needs a QGuiApplication.
class OffscreenTarget {
public:
    // Throws std::runtime_error when no OpenGL context can be made.
    OffscreenTarget();
    ~OffscreenTarget();
    OffscreenTarget(const OffscreenTarget&) = delete;
    OffscreenTarget& operator=(const OffscreenTarget&) = delete;

    void MakeCurrent();
    // Makes the context current with a framebuffer of width x height bound, made anew when the
    // size changed.
    void Bind(int width, int height);
    // The framebuffer of the last Bind.
    QOpenGLFramebufferObject& Framebuffer() { return *m_fbo; }

private:
    std::unique_ptr<QOffscreenSurface> m_surface;
    std::unique_ptr<QOpenGLContext> m_context;
    std::unique_ptr<QOpenGLFramebufferObject> m_fbo;
};

}  // namespace velnor
