#pragma once

namespace velnor {

class CGpage;
class CPlomDoc;

// "展开图" works on the selected faces, or on all faces of the page when none is selected.
bool CanAddPolyhedronNet(const CGpage& page);

// "展开图": when the faces close up into one polyhedron, adds its net laid flat in the plane of
// the base face (the first selected face, or the page's first face), the base face of the net on
// the original: the net's vertices (next labels, new-point colour), its edges as segments, its
// faces, and the buttons that fold it (see AddFoldButtons). Recorded as one step "添加展开图";
// the new vertices, lines and faces are selected afterwards. Refused with a message that says
// why, changing nothing, when the faces are not a closed polyhedron, no net without overlapping
// faces is found, or the page has no room for the vertices or the buttons. Returns whether the
// net was added.
bool AddPolyhedronNet(CPlomDoc& doc);

}  // namespace velnor
