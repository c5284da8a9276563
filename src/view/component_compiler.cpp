#include "view/component_compiler.h"

#include <GL/gl.h>

#include "view/gl_scene.h"
#include "view/page_renderer.h"
#include "view/render_env.h"

namespace velnor {

void CompileComponent(CGpage& page, int number, const CGlModel& settings, const GlScene& scene,
                      bool positionsAsColors) {
    const GLuint list = scene.ComponentList(number);
    if (list == 0) {
        return;
    }
    // No list can be compiled while this one is.
    scene.BuildAll();
    // The vertex arrays are read while compiling, so the list keeps this page's positions.
    glNewList(list, GL_COMPILE);
    DrawPage(page, RenderEnv{settings, scene}, positionsAsColors);
    glEndList();
    glEnableClientState(GL_VERTEX_ARRAY);
}

}  // namespace velnor
