#pragma once

#include <QImage>

#include "view/frame_renderer.h"
#include "view/gl_scene.h"
#include "view/offscreen_target.h"

namespace velnor {

class CGlModel;
class CGpage;

// Draws frames into an image without a visible window: the same frame as the view, in an
// offscreen context with its own display lists. Needs a QGuiApplication.
class OffscreenRenderer {
public:
    // Throws std::runtime_error when no OpenGL context can be made.
    explicit OffscreenRenderer(CGlModel& settings, int labelPixelSize = 26);
    ~OffscreenRenderer();
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    // One frame of `page` (none: an empty frame) at the layout's size.
    QImage Render(CGpage* page, const FrameLayout& layout);

    // Draws the frame into the current framebuffer without reading it back (for timing).
    void DrawOnly(CGpage* page, const FrameLayout& layout);
    // Clears the framebuffer and waits for it, as an empty frame does.
    void ClearOnly(const FrameLayout& layout);

    // Compiles `page` as page component `number` (1..22) of this renderer's lists.
    void CompileComponent(CGpage& page, int number, bool positionsAsColors);

    GlScene& Scene() { return m_scene; }

private:
    CGlModel& m_settings;
    OffscreenTarget m_target;
    GlScene m_scene;
};

}  // namespace velnor
