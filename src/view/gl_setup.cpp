#include "view/gl_setup.h"

#include <GL/freeglut.h>

namespace velnor {

QSurfaceFormat CompatibilityFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    return format;
}

void UseCompatibilityFormat() {
    QSurfaceFormat::setDefaultFormat(CompatibilityFormat());
}

void InitGlutOnce() {
    static const bool initialised = [] {
        int argc = 1;
        char name[] = "velnor";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        return true;
    }();
    (void)initialised;
}

}  // namespace velnor
