#pragma once

#include <optional>

#include "model/subassembly.h"

namespace velnor {

class CPlomDoc;

// How defining from the selection went.
enum class DefineOutcome {
    kDefined,      // taken from the selection
    kNeedsDialog,  // the selection does not define it: the dialog asks for the values
    kRefused,      // the selection defines no valid value; the old one stays
};

// Two selected vertices and no line give the second minus the first; no vertex and one line give
// the line's end minus its start.
DefineOutcome DefineTranslationFromSelection(CPlomDoc& doc);
// One selected line, no vertex and no face: the axis through its start along it. A line whose ends
// coincide is refused with "旋转轴方程不正确,未作改动".
DefineOutcome DefineAxisFromSelection(CPlomDoc& doc);

// The values of the definition dialogs. No range is enforced; each marks the document modified.
void SetTranslation(CPlomDoc& doc, const Float3& vector);
// The direction is stored divided by its length; one without a length is refused with
// "旋转轴方程不正确,未作改动" and the old axis stays. Returns whether the axis was stored.
bool SetRotationAxis(CPlomDoc& doc, const Float3& point, const Float3& direction);
void SetRotationAngle(CPlomDoc& doc, float degrees);
void SetScaleFactors(CPlomDoc& doc, const Float3& factors);

// The direction divided by its length, or nothing when it has no finite, non-zero length.
std::optional<Float3> NormalizeDirection(const Float3& direction);

}  // namespace velnor
