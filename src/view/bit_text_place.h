#pragma once

#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <optional>

#include "model/subassembly.h"

namespace velnor {

class CBitText;
class CGpage;
class ViewProjection;

// Where bitmap texts show. A bitmap text hangs at an eye-space point that only the pan and the
// camera distance move (its x across, its z up, its y in depth), its bitmap centred there. The
// mouse and the placing of new texts ask here, so both agree with the drawing.
QPointF BitTextAnchor(const CBitText& text, const ViewProjection& view);
QRectF BitTextRect(const CBitText& text, const ViewProjection& view);

// The shown bitmap text drawn topmost where `pixel` lies on its rectangle.
std::optional<uint16_t> BitTextAt(const CGpage& page, const ViewProjection& view, QPointF pixel);

// The position of a new text of width × height pixels at depth 0: in the first corner of the
// view (upper left, upper right, lower left, lower right) that no vertex, solid or other text
// covers, or the upper left when every corner is taken.
Float3 FreeCornerPosition(const CGpage& page, const ViewProjection& view, int width, int height);

// Where a text dragged by `delta` pixels goes: with the mouse, pixel for pixel, but its anchor
// stays inside the view so that the text can always be reached again.
Float3 DraggedPosition(const CBitText& text, const ViewProjection& view, QPointF delta);

}  // namespace velnor
