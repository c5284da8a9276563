#include "view/images/image_layer.h"

#include <GL/gl.h>

#include "view/images/view_image.h"
#include "view/window_pixel_space.h"

namespace velnor {

namespace {

constexpr float kBehindTheScene = -100.0f;
constexpr int kInFrontOfAll = 100;

void DrawBackground(const CViewImage& image) {
    const PixelBuffer& pixels = image.Displayed();
    glPushAttrib(GL_ENABLE_BIT | GL_PIXEL_MODE_BIT);
    // Fragments of glDrawPixels are lit, textured and fogged like any other.
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glRasterPos3f(static_cast<float>(image.m_ptImg.x()), static_cast<float>(image.m_ptImg.y()),
                  kBehindTheScene);
    glDrawPixels(pixels.width, pixels.height, GL_RGB, GL_UNSIGNED_BYTE, pixels.bytes.data());
    glPopAttrib();
}

void DrawRegionFrame(const CViewImage& image, int height) {
    const RegionCorners& r = image.Region();
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_LINE_STRIP);
    glVertex3i(r.left, height - r.top, kInFrontOfAll);
    glVertex3i(r.right, height - r.top, kInFrontOfAll);
    glVertex3i(r.right, height - r.bottom, kInFrontOfAll);
    glVertex3i(r.left, height - r.bottom, kInFrontOfAll);
    glVertex3i(r.left, height - r.top, kInFrontOfAll);
    glEnd();
}

}  // namespace

bool ImageNeedsOverlay(const CViewImage* image) {
    return image && (image->m_bRegion || (image->m_bShowImage && image->HasDisplayed()));
}

void DrawImageLayer(const CViewImage& image, int width, int height) {
    const WindowPixelSpace pixels(width, height);
    if (image.m_bShowImage && image.HasDisplayed()) {
        DrawBackground(image);
    }
    if (image.m_bRegion) {
        DrawRegionFrame(image, height);
    }
}

void BeginCrop(const CViewImage* image, int height) {
    if (!image || !image->m_bCrop) {
        return;
    }
    const GlBox box = image->RegionBox(height);
    glScissor(box.x, box.y, box.width, box.height);
    glEnable(GL_SCISSOR_TEST);
}

void EndCrop() {
    glDisable(GL_SCISSOR_TEST);
}

}  // namespace velnor
