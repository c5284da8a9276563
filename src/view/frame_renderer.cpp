#include "view/frame_renderer.h"

#include <GL/gl.h>

#include <array>

#include "model/gl_model.h"
#include "model/page.h"
#include "view/cell_renderer.h"
#include "view/gl_scene.h"
#include "view/images/image_layer.h"
#include "view/list_layout.h"
#include "view/page_renderer.h"
#include "view/projection.h"
#include "view/render_env.h"
#include "view/scene_state.h"
#include "view/window_pixel_space.h"

namespace velnor {

namespace {

float Aspect(const FrameLayout& layout) {
    return layout.height > 0 ? static_cast<float>(layout.width) / layout.height : 1.0f;
}

constexpr int kCaptionMargin = 6;
// The blue handle drawn to the left of each action button.
constexpr int kButtonHandleWidth = 10;

// Where a caption of width × height pixels at the left of a quadrant whose upper left corner
// lies at `corner` (window pixels, y downwards) starts below the quadrant's top: at the margin,
// or below the action buttons it would otherwise sit under, since they are windows over the view.
int CaptionTop(const CGpage* page, std::array<int, 2> corner, int width, int height) {
    int top = kCaptionMargin;
    if (page == nullptr) {
        return top;
    }
    const int left = corner[0] + kCaptionMargin, right = left + width;
    for (bool moved = true; moved;) {
        moved = false;
        for (const auto& [key, button] : page->m_buttons) {
            const CRect& r = button->m_rect;
            const int captionTop = corner[1] + top;
            const bool covers = !button->m_bHidden && r.left - kButtonHandleWidth < right &&
                                r.right > left && r.top < captionTop + height &&
                                r.bottom > captionTop;
            if (covers) {
                top = r.bottom - corner[1] + kCaptionMargin;
                moved = true;
            }
        }
    }
    return top;
}

// At the upper left of the quadrant in pixels, so that pan and zoom never push it out.
void Caption(const CGpage* page, const RenderEnv& env, const char* text, std::array<int, 2> corner,
             int width, int height) {
    const Rgb c = env.settings.m_labelColor;
    glColor3ub(c.r, c.g, c.b);
    const WindowPixelSpace pixels(width, height);
    const int textHeight = env.scene.LabelPixelSize();
    const int textWidth = static_cast<int>(LabelStringWidth(env.scene, text));
    const int top = CaptionTop(page, corner, textWidth, textHeight);
    glRasterPos2i(kCaptionMargin, height - top - textHeight);
    CallLabelString(env.scene.ListBase(), text);
}

void RotateByCamera(const ViewCamera& camera) {
    glRotatef(camera.m_fAngleX, 1.0f, 0.0f, 0.0f);
    glRotatef(camera.m_fAngleAxis, camera.m_vAxis[0], camera.m_vAxis[1], camera.m_vAxis[2]);
}

void DrawAxesIfShown(const RenderEnv& env, const FrameLayout& layout) {
    if (layout.showAxes) {
        glCallList(env.scene.List(lists::kAxes));
    }
}

// Returns whether the perspective quadrant is to be drawn.
bool DrawThreeViews(CGpage* page, CGlModel& settings, const RenderEnv& env,
                    const FrameLayout& layout) {
    const int w = layout.width / 2, h = layout.height / 2;
    ViewCamera& camera = settings.m_camera;
    const float savedX = camera.m_fAngleX, savedAxis = camera.m_fAngleAxis;
    for (const Quadrant& quadrant : kThreeViewQuadrants) {
        glViewport(quadrant.column * w, (1 - quadrant.row) * h, w, h);
        Caption(page, env, quadrant.caption, {quadrant.column * w, quadrant.row * h}, w, h);
        glPushMatrix();
        if (quadrant.turnAboutX != 0.0f) {
            glRotatef(quadrant.turnAboutX, 1.0f, 0.0f, 0.0f);
        }
        if (quadrant.turnAboutZ != 0.0f) {
            glRotatef(quadrant.turnAboutZ, 0.0f, 0.0f, 1.0f);
        }
        DrawAxesIfShown(env, layout);
        camera.m_fAngleX = quadrant.angleX;
        camera.m_fAngleAxis = quadrant.angleAxis;
        if (page) {
            DrawPage(*page, env, layout.positionsAsColors);
        }
        glPopMatrix();
    }
    camera.m_fAngleX = savedX;
    camera.m_fAngleAxis = savedAxis;
    glViewport(w, 0, w, h);
    Caption(page, env, kPerspectiveCaption, {w, h}, w, h);
    return page && page->m_bPerspInThreeView;
}

}  // namespace

void LoadCameraMatrices(const CGlModel& settings, const FrameLayout& layout) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    SetupProjection(layout.projection, Aspect(layout));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const ViewCamera& camera = settings.m_camera;
    glTranslatef(camera.m_fPanX, camera.m_fPanY, camera.m_fDistance);
    glScalef(camera.m_fZoom, camera.m_fZoom, camera.m_fZoom);
}

void DrawFrame(CGpage* page, CGlModel& settings, const GlScene& scene, const FrameLayout& layout) {
    const RenderEnv env{settings, scene};
    glViewport(0, 0, layout.width, layout.height);
    LoadCameraMatrices(settings, layout);
    // Lights are placed in the camera's frame, so the settings go in after the model-view.
    ApplySettings(settings);
    glLineWidth(settings.m_fLineWidth);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    BeginCrop(layout.image, layout.height);

    if (page && PageNeedsOverlay(*page)) {
        DrawOverlay(*page, env, layout.width, layout.height);
    }
    if (ImageNeedsOverlay(layout.image)) {
        DrawImageLayer(*layout.image, layout.width, layout.height);
    }
    if (layout.viewports == 4 && !DrawThreeViews(page, settings, env, layout)) {
        EndCrop();
        glFinish();
        return;
    }
    glPushMatrix();
    RotateByCamera(settings.m_camera);
    DrawAxesIfShown(env, layout);
    if (layout.toolFeedback) {
        layout.toolFeedback();
    }
    if (page) {
        DrawPage(*page, env, layout.positionsAsColors);
    }
    glPopMatrix();
    EndCrop();
    glFinish();
}

}  // namespace velnor
