#pragma once

#include "model/subassembly.h"

namespace velnor {

class CPlomDoc;
class CGpage;

// Moving the selected vertices and solids with the mouse (left button and Ctrl): one gesture is
// one translation command, recorded on its first move. The view keeps one of these and releases
// it when the left button comes up.
class SelectionDrag {
public:
    static constexpr float kPixelsPerUnit = 20.0f;

    // A drag moves something only while no button or text is selected and a vertex or a solid is.
    static bool CanDrag(const CGpage& page);

    // Moves by (dx / 20) along x and (-dy / 20) along z, or along y when `alongY` (Shift held).
    // Does nothing while the selection cannot be dragged.
    void Move(CPlomDoc& doc, int dx, int dy, bool alongY);
    // Moves by `shift` in the same way, for a caller that measured the drag itself.
    void MoveBy(CPlomDoc& doc, const Float3& shift);
    void Release() { m_bDragging = false; }
    bool IsDragging() const { return m_bDragging; }

private:
    bool m_bDragging = false;
};

}  // namespace velnor
