#pragma once

#include "editing/text_place.h"

namespace velnor {

class CDTextCell;
class GlScene;

// Where the overlay draws a dynamic text in a client area of width x height pixels, measured in
// the scene's label font. Drawing and the mouse's hit test both ask here, so a text shifted
// inside the view is picked where it is seen.
TextPlace OverlayTextPlace(const CDTextCell& text, const GlScene& scene, int width, int height);

}  // namespace velnor
