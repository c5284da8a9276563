#pragma once

#include <span>

#include "output/label_text.h"
#include "output/output_palette.h"

namespace velnor {

class CGlModel;
class CGpage;

// What the figure takes besides the page: the scene settings, the colours of the target, the
// label font at the view's size, and the pages that page components show.
struct FigureStyle {
    const CGlModel& settings;
    OutputPalette palette;
    LabelFont labelFont{26};
    std::span<const CGpage* const> componentPages = {};
};

}  // namespace velnor
