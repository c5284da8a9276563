#pragma once

#include "geometry/vec3.h"

namespace velnor {

// The direction towards the eye in the current model-view frame, through the point the frame's
// origin is seen at: the eye of the silhouette constructions.
Vec3 EyeDirection();

}  // namespace velnor
