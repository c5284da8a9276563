#include "view/offscreen_renderer.h"

#include <QOpenGLFramebufferObject>

#include "view/component_compiler.h"

namespace velnor {

OffscreenRenderer::OffscreenRenderer(CGlModel& settings, int labelPixelSize)
    : m_settings(settings) {
    m_scene.InitGL(m_settings, labelPixelSize);
}

OffscreenRenderer::~OffscreenRenderer() {
    m_target.MakeCurrent();
    m_scene.Release();
}

QImage OffscreenRenderer::Render(CGpage* page, const FrameLayout& layout) {
    DrawOnly(page, layout);
    QImage image = m_target.Framebuffer().toImage();
    // The clear alpha of 0.5 means nothing on screen; the picture is opaque.
    return image.convertToFormat(QImage::Format_RGB32);
}

void OffscreenRenderer::DrawOnly(CGpage* page, const FrameLayout& layout) {
    m_target.Bind(layout.width, layout.height);
    DrawFrame(page, m_settings, m_scene, layout);
}

void OffscreenRenderer::ClearOnly(const FrameLayout& layout) {
    m_target.Bind(layout.width, layout.height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFinish();
}

void OffscreenRenderer::CompileComponent(CGpage& page, int number, bool positionsAsColors) {
    m_target.MakeCurrent();
    velnor::CompileComponent(page, number, m_settings, m_scene, positionsAsColors);
}

}  // namespace velnor
