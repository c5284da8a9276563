#include "view/offscreen_target.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <stdexcept>

#include "view/gl_setup.h"

namespace velnor {

OffscreenTarget::OffscreenTarget()
    : m_surface(std::make_unique<QOffscreenSurface>()),
      m_context(std::make_unique<QOpenGLContext>()) {
    m_surface->setFormat(CompatibilityFormat());
    m_surface->create();
    m_context->setFormat(CompatibilityFormat());
    if (!m_context->create() || !m_context->makeCurrent(m_surface.get())) {
        throw std::runtime_error("cannot create an OpenGL context");
    }
}

OffscreenTarget::~OffscreenTarget() {
    m_context->makeCurrent(m_surface.get());
    m_fbo.reset();
    m_context->doneCurrent();
}

void OffscreenTarget::MakeCurrent() {
    m_context->makeCurrent(m_surface.get());
}

void OffscreenTarget::Bind(int width, int height) {
    MakeCurrent();
    if (!m_fbo || m_fbo->width() != width || m_fbo->height() != height) {
        m_fbo.reset();
        m_fbo = std::make_unique<QOpenGLFramebufferObject>(width, height,
                                                           QOpenGLFramebufferObject::Depth);
    }
    m_fbo->bind();
}

}  // namespace velnor
