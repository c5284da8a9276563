#include "view/overlay_text_place.h"

#include "model/dtext_cell.h"
#include "view/cell_renderer.h"
#include "view/gl_scene.h"

namespace velnor {

TextPlace OverlayTextPlace(const CDTextCell& text, const GlScene& scene, int width, int height) {
    const int textWidth = static_cast<int>(LabelStringWidth(scene, text.m_strText));
    return DrawnTextPlace(text, textWidth, scene.LabelPixelSize(), width, height);
}

}  // namespace velnor
