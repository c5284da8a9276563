#pragma once

#include <QVector3D>

#include <vector>

namespace velnor {

// The regular polyhedra in the sizes and orientation the view's GLUT shapes have: the
// dodecahedron of circumradius sqrt(3), the others of circumradius 1.
enum class RegularPolyhedron { kTetrahedron, kOctahedron, kDodecahedron, kIcosahedron };

// Each face's corners in order around it.
const std::vector<std::vector<QVector3D>>& PolyhedronFaces(RegularPolyhedron shape);

// Each edge once, as its two ends.
const std::vector<std::vector<QVector3D>>& PolyhedronEdges(RegularPolyhedron shape);

}  // namespace velnor
