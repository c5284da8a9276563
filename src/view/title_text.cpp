#include "view/title_text.h"

#include "shapes/solid_shape.h"
#include "view/list_layout.h"
#include "view/shape_drawing.h"
#include "view/title_glyphs.h"

namespace velnor {

void BuildTitle(GLuint base, const CGlModel& settings) {
    const QtTitleOutlines outlines(settings);
    const SolidShape title = ShapeOf({ShapeKind::kTitle, 0.5, &outlines});
    glNewList(base + lists::kTitle, GL_COMPILE);
    DrawShape(title);
    glEndList();
}

}  // namespace velnor
