#pragma once

#include <utility>
#include <vector>

#include "geometry/plane_section.h"
#include "model/added_cells.h"
#include "model/page.h"

namespace velnor {

// Whether a closed polygon makes a face where the page already has a face over its corners.
enum class ExistingFaces {
    kSkip,    // a section adds only what is new
    kRepeat,  // each section needs a face of its own, to show, hide and measure
};

// What a section adds, in corners of the section; a vertex of the page stands for itself.
struct SectionPlan {
    std::vector<int> newCorners;  // in the order they are met around the polygons
    std::vector<std::pair<int, int>> sides;
    std::vector<std::vector<int>> faces;

    bool Empty() const { return newCorners.empty() && sides.empty() && faces.empty(); }
    AddedCells Cells() const;
};

// The new corners of the section, the sides the page has no line for and the faces of its closed
// polygons (3 to 20 corners, less those on the line of their neighbours).
SectionPlan PlanSection(const CGpage& page, const PlaneSection& section, ExistingFaces existing);

// Adds the planned cells and leaves exactly them selected; returns how many of each were added.
AddedCells AddSection(CGpage& page, const PlaneSection& section, const SectionPlan& plan);

}  // namespace velnor
