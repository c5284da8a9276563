#pragma once

#include <span>

#include "output/output_palette.h"

namespace velnor {

class CGlModel;
class CGpage;

// What the figure takes besides the page: the scene settings, the colours of the target and the
// label size of the view, and the pages that page components show.
struct FigureStyle {
    const CGlModel& settings;
    OutputPalette palette;
    int labelPixelSize = 26;
    std::span<const CGpage* const> componentPages = {};
};

}  // namespace velnor
