#pragma once

#include <GL/gl.h>

namespace velnor {

class CGlModel;
class CGpage;
struct ToolState;

// What the mouse tools draw over the page, under the camera of the normal view: the shown
// vertices in green (line, face, pencil and selection tools), the rubber band and the red cursor
// of the line tool, and the pencil's cursor with its coordinates, guide lines, rubber band and the
// preview of the top of a solid. `topRatio` is the pencil's ratio for the cursor where it is.
void DrawToolFeedback(const CGpage& page, const ToolState& state, const CGlModel& settings,
                      GLuint listBase, bool axesShown, double topRatio);

}  // namespace velnor
