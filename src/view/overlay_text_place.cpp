#include "view/overlay_text_place.h"

#include <GL/gl.h>

#include "model/dtext_cell.h"
#include "view/cell_renderer.h"
#include "view/gl_scene.h"

namespace velnor {

TextPlace OverlayTextPlace(const CDTextCell& text, const GlScene& scene, int width, int height) {
    // The width is measured from a raster position that lies inside the view, so it is valid.
    glRasterPos2i(0, height / 2);
    const int textWidth = static_cast<int>(LabelStringWidth(scene.ListBase(), text.m_strText));
    return DrawnTextPlace(text, textWidth, scene.LabelPixelSize(), width, height);
}

}  // namespace velnor
