#pragma once

#include <GL/gl.h>

#include <string>

#include "geometry/pencil_geometry.h"

namespace velnor {

class CGlModel;
class CGpage;
class GlScene;
struct ToolState;

// What the mouse tools draw over the page, under the camera of the normal view: the shown
// vertices in green (line, face, pencil and selection tools), the rubber band and the red cursor
// of the line tool, and the pencil's cursor with its coordinates, guide lines, rubber band and the
// preview of the top of a solid. `topRatio` is the pencil's ratio for the cursor where it is.
// The pencil cursor's coordinates as shown beside it: "( x, y, z)" to 0.1, never "-0.0".
std::string CursorReadout(const Point3d& cursor);

void DrawToolFeedback(const CGpage& page, const ToolState& state, const CGlModel& settings,
                      const GlScene& scene, bool axesShown, double topRatio);

}  // namespace velnor
