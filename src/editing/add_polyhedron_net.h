#pragma once

namespace velnor {

class CGpage;
class CPlomDoc;

// "展开图" works on the selected faces, or on all faces of the page when none is selected.
bool CanAddPolyhedronNet(const CGpage& page);

// "展开图": when the faces close up into one polyhedron, adds its net laid flat in the plane of
// the base face (the first selected face, or the page's first face), moved within that plane to
// lie beside the solid: the net's vertices (without labels, new-point colour), its edges as
// segments, its faces, and the buttons that fold it onto the solid (see AddFoldButtons). With
// lines selected, the net cuts exactly those edges; otherwise it is the first net found without
// overlapping faces. The camera zooms to show the solid and the net. Recorded as one step
// "添加展开图" that undoes the camera's move too; the new vertices, lines and faces are selected
// afterwards. Refused with a message that says why, changing nothing, when the faces are not a
// closed polyhedron, the chosen cuts do not leave one net without overlapping faces, no such net
// is found, or the page has no room for the vertices or the buttons. Returns whether the net
// was added.
bool AddPolyhedronNet(CPlomDoc& doc);

}  // namespace velnor
