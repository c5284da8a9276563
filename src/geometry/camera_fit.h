#pragma once

#include <vector>

#include "geometry/vec3.h"
#include "model/view_camera.h"

namespace velnor {

// The camera turned as `camera` is, zoomed and panned so that the points fill most of the view's
// height and stand in its middle. The zoom stays within what 放大 and 缩小 reach.
ViewCamera CameraShowing(ViewCamera camera, const std::vector<Vec3>& points);

}  // namespace velnor
