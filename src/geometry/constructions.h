#pragma once

#include "model/page.h"

namespace velnor {

// One-shot constructions on a page. Each reads the selection, appends plain vertices and lines
// (which do not remember how they were made), updates the selection and reports success. A refusal
// shows its message and changes nothing. Reached with a selection that its menu item would not
// allow, an operation fails without a message.

// For every selected line AB, in selection order, the point P with AP : PB = λ : 1 (λ = 1 gives
// the midpoint). The new vertices stay selected and the lines are unselected. A ratio with no
// finite point (λ = −1) is refused.
bool ConstructRatioPoints(CGpage& page, float lambda);
// The ratio m : n of the ratio dialog, λ = m / n in single precision; n = 0 is refused.
bool ConstructRatioPoints(CGpage& page, int m, int n);

// Two vertices P, Q selected: the reflection of P through Q, appended to the selection.
bool ConstructSymmetricPoint(CGpage& page);

// Two lines selected: their meeting point, unless it is an end of the first one. One line and
// one face selected: where the line meets the plane of the face. The lines (and the face) are
// unselected.
bool ConstructIntersection(CGpage& page);

// One vertex and one line, or one vertex and one face: the foot of the perpendicular and the line
// to it; for a vertex in the plane of the face, the normal line through it. Unselects all used.
bool ConstructPerpendicular(CGpage& page);

// Two skew lines selected: the feet on the second line, then on the first, and the segment
// between them. The feet stay selected; the lines are unselected.
bool ConstructCommonPerpendicular(CGpage& page);

// One vertex P and one line AB: the straight line through P − AB and P + AB. The vertex and the
// line are unselected, also when the construction refuses.
bool ConstructParallel(CGpage& page);

// Three vertices A, B, C selected: the ray from B through the point of AC that divides it as
// |BA| : |BC|. Fails silently when B coincides with A or C.
bool ConstructAngleBisector(CGpage& page);

}  // namespace velnor
