#pragma once

#include "shapes/solid_shape.h"

namespace velnor {

class ITitleOutlines;

// The letters extruded back from z = 0 by kTitleDepth: their sides as a surface, their fronts and
// backs as flat faces with holes. Nothing without outlines.
void AddTitle(SolidShape& shape, const ITitleOutlines* outlines);

}  // namespace velnor
