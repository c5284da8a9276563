#include "view/pick_pass.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>

#include "model/gl_model.h"
#include "model/page.h"
#include "view/cell_batches.h"
#include "view/cell_renderer.h"
#include "view/frame_renderer.h"
#include "view/gl_scene.h"
#include "view/page_renderer.h"
#include "view/projection.h"
#include "view/render_env.h"
#include "view/solid_renderer.h"

namespace velnor {

namespace {

constexpr GLsizei kPickBufferSize = 512;
constexpr double kPickWindow = 10.0;

float Aspect(const FrameLayout& layout) {
    return layout.height > 0 ? static_cast<float>(layout.width) / layout.height : 1.0f;
}

// The model-view of the normal view: pan, distance and zoom, then the camera rotations.
void LoadCameraModelView(const ViewCamera& camera) {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(camera.m_fPanX, camera.m_fPanY, camera.m_fDistance);
    glScalef(camera.m_fZoom, camera.m_fZoom, camera.m_fZoom);
    glRotatef(camera.m_fAngleX, 1.0f, 0.0f, 0.0f);
    glRotatef(camera.m_fAngleAxis, camera.m_vAxis[0], camera.m_vAxis[1], camera.m_vAxis[2]);
}

void PopBothMatrices() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void NameVertices(const CGpage& page) {
    glLoadName(kPickVertices);
    glPushName(0);
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        if (page.m_bShown[i]) {
            glLoadName(static_cast<GLuint>(i));
            glBegin(GL_POINTS);
            glVertex3fv(page.m_pos[i].data());
            glEnd();
        }
    }
    glPopName();
}

void NameLines(const CGpage& page, GLuint listBase) {
    glLoadName(kPickLines);
    glPushName(0);
    for (const auto& [key, line] : page.m_lines) {
        LineBatch one;
        one.Add(*line);
        glLoadName(key);
        one.Draw(page, listBase);
    }
    glPopName();
}

void NameFaces(const CGpage& page) {
    glLoadName(kPickFaces);
    glPushName(0);
    for (const auto& [key, face] : page.m_faces) {
        glLoadName(key);
        DrawFace(*face);
    }
    glPopName();
}

void NameSolids(CGpage& page, const RenderEnv& env) {
    glLoadName(kPickSolids);
    glPushName(0);
    glDisableClientState(GL_COLOR_ARRAY);
    for (auto& [key, solid] : page.m_solids) {
        if (!solid->m_bHidden) {
            glLoadName(key);
            DrawSolid(*solid, env);
        }
    }
    glPopName();
    // The solid drawings bring vertex arrays of their own.
    glEnableClientState(GL_VERTEX_ARRAY);
    BindPageArrays(page, false);
}

bool Contains(const Viewport& viewport, int x, int glY) {
    return x >= viewport[0] && x < viewport[0] + viewport[2] && glY >= viewport[1] &&
           glY < viewport[1] + viewport[3];
}

}  // namespace

std::optional<Viewport> ToolViewport(const FrameLayout& layout, bool perspectiveInThreeView) {
    if (layout.viewports != 4) {
        return Viewport{0, 0, layout.width, layout.height};
    }
    if (!perspectiveInThreeView) {
        return std::nullopt;
    }
    const int w = layout.width / 2, h = layout.height / 2;
    return Viewport{w, 0, w, h};
}

std::optional<std::vector<PickHit>> PickAt(CGpage& page, const CGlModel& settings,
                                           const GlScene& scene, const FrameLayout& layout,
                                           const Viewport& viewport, int x, int y,
                                           const PickGroups& groups) {
    if (!Contains(viewport, x, layout.height - y)) {
        return std::nullopt;
    }
    std::array<GLuint, kPickBufferSize> buffer{};
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    glSelectBuffer(kPickBufferSize, buffer.data());
    glRenderMode(GL_SELECT);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    Viewport pickViewport = viewport;  // GLU takes it as non-const
    gluPickMatrix(x, layout.height - y, kPickWindow, kPickWindow, pickViewport.data());
    SetupProjection(layout.projection, Aspect(layout));
    LoadCameraModelView(settings.m_camera);

    glInitNames();
    glPushName(~0u);
    glEnableClientState(GL_VERTEX_ARRAY);
    BindPageArrays(page, false);
    if (groups.vertices) {
        NameVertices(page);
    }
    if (groups.lines) {
        NameLines(page, scene.ListBase());
    }
    if (groups.faces) {
        NameFaces(page);
    }
    if (groups.solids) {
        NameSolids(page, RenderEnv{settings, scene});
    }
    const GLint hitCount = glRenderMode(GL_RENDER);
    PopBothMatrices();
    return ParseHitRecords(buffer, hitCount);
}

MouseRay UnprojectMouse(const CGlModel& settings, const FrameLayout& layout,
                        const Viewport& viewport, int x, int y) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    SetupProjection(layout.projection, Aspect(layout));
    LoadCameraModelView(settings.m_camera);
    std::array<GLdouble, 16> modelView{}, projection{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    PopBothMatrices();

    MouseRay ray;
    const double wy = layout.height - y;
    Point3d& n = ray.nearPoint;
    Point3d& f = ray.farPoint;
    gluUnProject(x, wy, 0.0, modelView.data(), projection.data(), viewport.data(), &n[0], &n[1],
                 &n[2]);
    gluUnProject(x, wy, 1.0, modelView.data(), projection.data(), viewport.data(), &f[0], &f[1],
                 &f[2]);
    return ray;
}

}  // namespace velnor
