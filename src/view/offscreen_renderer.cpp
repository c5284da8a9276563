#include "view/offscreen_renderer.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <stdexcept>

#include "view/component_compiler.h"
#include "view/gl_setup.h"

namespace velnor {

OffscreenRenderer::OffscreenRenderer(CGlModel& settings, int labelPixelSize)
    : m_settings(settings),
      m_surface(std::make_unique<QOffscreenSurface>()),
      m_context(std::make_unique<QOpenGLContext>()) {
    m_surface->setFormat(CompatibilityFormat());
    m_surface->create();
    m_context->setFormat(CompatibilityFormat());
    if (!m_context->create() || !m_context->makeCurrent(m_surface.get())) {
        throw std::runtime_error("cannot create an OpenGL context");
    }
    m_scene.InitGL(m_settings, labelPixelSize);
}

OffscreenRenderer::~OffscreenRenderer() {
    m_context->makeCurrent(m_surface.get());
    m_scene.Release();
    m_fbo.reset();
    m_context->doneCurrent();
}

void OffscreenRenderer::Prepare(const FrameLayout& layout) {
    m_context->makeCurrent(m_surface.get());
    if (!m_fbo || m_fbo->width() != layout.width || m_fbo->height() != layout.height) {
        m_fbo.reset();
        m_fbo = std::make_unique<QOpenGLFramebufferObject>(layout.width, layout.height,
                                                           QOpenGLFramebufferObject::Depth);
    }
    m_fbo->bind();
}

QImage OffscreenRenderer::Render(CGpage* page, const FrameLayout& layout) {
    DrawOnly(page, layout);
    QImage image = m_fbo->toImage();
    // The clear alpha of 0.5 means nothing on screen; the picture is opaque.
    return image.convertToFormat(QImage::Format_RGB32);
}

void OffscreenRenderer::DrawOnly(CGpage* page, const FrameLayout& layout) {
    Prepare(layout);
    DrawFrame(page, m_settings, m_scene, layout);
}

void OffscreenRenderer::ClearOnly(const FrameLayout& layout) {
    Prepare(layout);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFinish();
}

void OffscreenRenderer::CompileComponent(CGpage& page, int number, bool positionsAsColors) {
    m_context->makeCurrent(m_surface.get());
    velnor::CompileComponent(page, number, m_settings, m_scene, positionsAsColors);
}

}  // namespace velnor
