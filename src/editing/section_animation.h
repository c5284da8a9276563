#pragma once

#include <optional>
#include <string>

namespace velnor {

class CGpage;
class CPlomDoc;

// How many planes one moving section may have: each needs up to a hexagon of new vertices and
// three buttons, and a page holds 200 vertices and 101 buttons.
inline constexpr int kMaxSectionPlanes = 30;

// The spacing and the number of the parallel planes.
struct SectionAnimationValues {
    float spacing = 1.0f;
    int count = 5;
};

// Why the values are refused, in the user's words; empty when they are fine. A spacing of nearly
// nothing would stack every section in one place.
std::string SectionAnimationRefusal(const SectionAnimationValues& values);

// The spacing, to two decimals, that spreads `count` planes from the selected one over the faces,
// the last one a spacing short of their far end; the value the dialog first shows. Nothing when
// the selection fixes no plane or no face lies beyond it.
std::optional<float> SpreadingSpacing(const CGpage& page, int count);

// "截面动画" takes its first plane as "截面" does.
bool CanAddSectionAnimation(const CGpage& page);

// "截面动画": cuts the page's faces by `count` parallel planes, the selected one first and each
// next one `spacing` further along its normal, turned towards the faces (a negative spacing runs
// the other way). Every plane that meets the faces in a closed polygon adds a section as
// "截面" does, with a face of its own even where the page has one in its place, and an area text
// for each face of at most six corners; all sections but the first are hidden; the buttons of
// AddSectionStepButtons step from one to the next. Recorded as one step "添加截面动画", with
// nothing left selected. Refused with a message, changing nothing, when the values are refused,
// the plane is not determined, fewer than two planes meet the faces, or the page has no room.
// Returns whether the sections were added.
bool AddSectionAnimation(CPlomDoc& doc, const SectionAnimationValues& values);

}  // namespace velnor
