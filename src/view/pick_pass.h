#pragma once

#include <array>
#include <optional>
#include <vector>

#include "editing/pick_hits.h"
#include "geometry/pencil_geometry.h"

namespace velnor {

class CGlModel;
class CGpage;
class GlScene;
struct FrameLayout;

// Which groups a tool picks from.
struct PickGroups {
    bool vertices = false;
    bool lines = false;
    bool faces = false;
    bool solids = false;
};

// A viewport in OpenGL window coordinates: x, y of its lower-left corner, width, height.
using Viewport = std::array<int, 4>;

// Where the mouse reaches the figure: the whole view, or in the three-view layout the
// perspective quadrant (lower right), the one drawn with the normal camera. While the page leaves
// that quadrant empty, nowhere: a click must not pick what cannot be seen.
std::optional<Viewport> ToolViewport(const FrameLayout& layout, bool perspectiveInThreeView);

// The pick pass at window position (x, y) (pixels, y downwards): OpenGL selection mode with a
// 512-entry buffer and a 10 x 10 pick window, under the camera of the normal view, in `viewport`
// with the projection of the whole view (as the frame draws it). Nothing when the position lies
// outside the viewport; no hits when the buffer overflows. The context must be current.
std::optional<std::vector<PickHit>> PickAt(CGpage& page, const CGlModel& settings,
                                           const GlScene& scene, const FrameLayout& layout,
                                           const Viewport& viewport, int x, int y,
                                           const PickGroups& groups);

// The mouse ray at (x, y): the points under it at window depth 0 and 1, with the camera rotations
// applied as in the pick pass. The context must be current.
MouseRay UnprojectMouse(const CGlModel& settings, const FrameLayout& layout,
                        const Viewport& viewport, int x, int y);

}  // namespace velnor
