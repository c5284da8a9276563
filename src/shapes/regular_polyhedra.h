#pragma once

#include <vector>

#include "shapes/mesh.h"

namespace velnor {

// The regular polyhedra in the sizes and orientation of GLUT's: the dodecahedron of
// circumradius sqrt(3), the others of circumradius 1.
enum class RegularPolyhedron { kTetrahedron, kOctahedron, kDodecahedron, kIcosahedron };

// Each face's corners, counter-clockwise seen from outside.
const std::vector<MeshLine>& PolyhedronFaces(RegularPolyhedron shape);

// Each edge once, as its two ends.
const std::vector<MeshLine>& PolyhedronEdges(RegularPolyhedron shape);

// The faces as one flat-shaded surface.
Surface PolyhedronSurface(RegularPolyhedron shape);

}  // namespace velnor
