#pragma once

#include <vector>

#include "shapes/mesh.h"

namespace velnor {

// The cube from -1 to 1, one surface to a side, each side in its own colour, textured.
std::vector<Surface> ColouredCube();
// The square from -1 to 1 in the plane z = 0, facing +z, blue, textured.
Surface BlueSquare();
// glutWireCube: the twelve edges of the cube of side `size` about the origin.
std::vector<MeshLine> CubeEdges(double size);
// The square's border.
MeshLine SquareBorder();
// The unit circle of the plane z = 0 in steps of 0.1 radians, closed.
MeshLine StepCircle();
// The unit cylinder's side from z = -0.5 to 0.5 in steps of 0.2 radians (its last step
// overlaps the first).
Surface StepCylinderSide();
// A frustum of 20 panels from the unit circle at z = 0 to radius `top` at z = 1: its panels'
// edges, and the panels with both end discs.
std::vector<MeshLine> FrustumPanelLines(double top);
std::vector<Surface> FrustumBody(double top);

}  // namespace velnor
