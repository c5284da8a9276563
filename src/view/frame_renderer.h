#pragma once

#include <array>
#include <functional>

namespace velnor {

class CGlModel;
class CGpage;
class CViewImage;
class GlScene;

// How the frame is laid out; the window keeps these and the offscreen renderer takes them as
// options.
struct FrameLayout {
    int width = 0;
    int height = 0;
    int projection = 1;              // 0 central, 1 orthographic, 2 oblique
    int viewports = 1;               // 1 single view, 4 three-view layout
    bool showAxes = false;           // 坐标轴/显示网格
    bool positionsAsColors = false;  // 面光滑着色, and the 迷彩 preset of a page
    // The mouse tool's feedback, drawn in the normal view under the camera before the page.
    std::function<void()> toolFeedback;
    // The background image and the region selection of the window (none offscreen).
    const CViewImage* image = nullptr;
};

// The three-view quadrants, in drawing order. The projection stays the one of the whole window.
struct Quadrant {
    const char* caption;
    int column, row;               // place in the window, row 0 at the top
    float turnAboutX, turnAboutZ;  // degrees the figure is turned by before it is drawn
    float angleX, angleAxis;       // what the camera angles read while the quadrant is drawn
};

inline constexpr std::array<Quadrant, 3> kThreeViewQuadrants{
    {{"Front", 0, 0, -90.0f, 0.0f, 90.0f, 0.0f},
     {"Left", 1, 0, -90.0f, 90.0f, 90.0f, 90.0f},
     {"Top", 0, 1, 0.0f, 0.0f, 0.0f, 0.0f}}};
inline constexpr const char* kPerspectiveCaption = "Perspective";

// One frame of the page (or of nothing, when there is no page): the camera matrices, the settings,
// the 2D overlay, then either the three-view quadrants or the normal view with the camera rotation.
// The camera angles are changed during the three-view quadrants and restored afterwards.
void DrawFrame(CGpage* page, CGlModel& settings, const GlScene& scene, const FrameLayout& layout);

// Loads the projection for the layout and the model-view of the camera (pan, distance, zoom).
void LoadCameraMatrices(const CGlModel& settings, const FrameLayout& layout);

}  // namespace velnor
