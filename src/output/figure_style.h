#pragma once

#include "output/output_palette.h"

namespace velnor {

class CGlModel;

// What the figure takes besides the page: the scene settings, the colours of the target and the
// label size of the view.
struct FigureStyle {
    const CGlModel& settings;
    OutputPalette palette;
    int labelPixelSize = 26;
};

}  // namespace velnor
