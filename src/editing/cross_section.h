#pragma once

#include <optional>

#include "geometry/plane_section.h"

namespace velnor {

class CGpage;
class CPlomDoc;

// Shown when the cutting plane meets no face of the page.
inline constexpr const char* kPlaneMissesMessage = "平面与图形不相交，没有截面";

// "截面" takes its plane from exactly three selected vertices or from one selected face.
bool CanAddCrossSection(const CGpage& page);

// The plane of the selection CanAddCrossSection allows; nothing when the selection is another,
// the three points lie on one line or the face has no plane.
std::optional<CuttingPlane> PlaneOfSelection(const CGpage& page);
// The same, saying why when the selection fixes no plane.
std::optional<CuttingPlane> SelectedCuttingPlane(const CGpage& page);

// "截面": cuts every face of the current page by the selected plane and adds the section: its new
// corners (labelled, coloured and selected as new points; a vertex already in a corner's place
// is that corner), its sides as segments and, for each closed polygon, its face. Sides and faces
// that the page already has are not added again. Recorded as one step "添加截面"; afterwards the
// new cells are selected. Refused with a message, changing nothing, when the plane is not
// determined, meets no face, gives only what the page already has, or needs more vertices than
// the page has room for. Returns whether anything was added.
bool AddCrossSection(CPlomDoc& doc);

}  // namespace velnor
