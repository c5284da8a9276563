#pragma once

#include <string>
#include <variant>
#include <vector>

#include "geometry/net_layout.h"
#include "geometry/polyhedron.h"

namespace velnor {

class CGpage;

// A net taken from a page: the polyhedron its faces make (vertices in one place, within the
// construction tolerance, are one corner, so that a solid drawn with repeated points still
// closes up), the page vertex and face key each corner and face came from, and the net, laid
// flat in the plane of the first face, which keeps its place.
struct ChosenNet {
    Polyhedron solid;
    std::vector<int> vertexOfCorner;
    std::vector<int> faceKeys;
    PolyhedronNet net;
};

// The net "展开图" makes: of the selected faces, or of all faces of the page when none is
// selected, the first of them the base; with lines selected, cutting exactly those edges,
// otherwise the first net found without overlapping faces. Otherwise the message that says why
// there is none.
std::variant<ChosenNet, std::string> NetOfSelection(const CGpage& page);

// The net of the solid that the face `faceKey` belongs to (the faces of the page joined to it
// edge by edge), unfolded from that face as "展开图" would. Otherwise the message that says why
// there is none. The face must exist.
std::variant<ChosenNet, std::string> NetOfSolidWithFace(const CGpage& page, int faceKey);

}  // namespace velnor
