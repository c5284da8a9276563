#pragma once

#include <optional>

#include "geometry/vec3.h"
#include "model/added_cells.h"
#include "model/page.h"

namespace velnor {

// Figures built in one step on a page, centred on `centre`. The vertex-built ones write their
// vertices with fixed labels ("A", "B1", ...) after the vertices in use, leave the selection alone,
// add their edges as segments and their faces, and raise the page's next label letter past their
// labels. A page without room for all the vertices refuses with "本页顶点数已达界限,请新建一页" and
// nothing is added. Each returns what it added; recording is the caller's.
//
// Regular bases have their corners at the angles −π/2 − π/n + 2πi/n, so that the first base edge
// is parallel to the x axis on the side of negative y.

// Sizes along x, y, z. Labels A B C D at the bottom, A1 B1 C1 D1 at the top; the eight corners
// have fixed colours of their own. Every face's normal points into the box.
std::optional<AddedCells> AddCuboid(CGpage& page, Vec3 centre, float length, float width,
                                    float height);
std::optional<AddedCells> AddCube(CGpage& page, Vec3 centre, float edge);

// n lateral edges between the bottom A, B, ... (z = Z − H/2) and the top A1, B1, ...; the top of a
// frustum is the bottom shrunk by `topRatio` about the vertical axis.
std::optional<AddedCells> AddPrism(CGpage& page, Vec3 centre, int sides, float radius,
                                   float height);
std::optional<AddedCells> AddFrustum(CGpage& page, Vec3 centre, int sides, float radius,
                                     float height, float topRatio);
// Apex "P" and base A, B, ... placed so that `centre` is the centre of the circumscribed sphere.
// It keeps one vertex slot of the page free.
std::optional<AddedCells> AddPyramid(CGpage& page, Vec3 centre, int sides, float radius,
                                     float height);
std::optional<AddedCells> AddPolygon(CGpage& page, Vec3 centre, int sides, float radius);

// A horizontal square ABCD of edge L and a second one EMNH-MFGN tilted by 60 degrees that crosses
// it along MN.
std::optional<AddedCells> AddIntersectingPlanes(CGpage& page, Vec3 centre, float edge);

// Regular polyhedra by their circumradius. Their vertices are not shown (nor picked); the edges
// and faces are. The octahedron's and the icosahedron's face normals point outwards, the
// dodecahedron's inwards.
std::optional<AddedCells> AddOctahedron(CGpage& page, Vec3 centre, float radius);
std::optional<AddedCells> AddDodecahedron(CGpage& page, Vec3 centre, float radius);
std::optional<AddedCells> AddIcosahedron(CGpage& page, Vec3 centre, float radius);

// Bodies of revolution standing on the plane z = Z with their axis upwards: the side outline
// (kind 21, 22 or 23) and the circles of their rims, top first.
AddedCells AddCylinder(CGpage& page, Vec3 centre, float radius, float height);
AddedCells AddCone(CGpage& page, Vec3 centre, float radius, float height);
AddedCells AddConeFrustum(CGpage& page, Vec3 centre, float radius, float height, float topRatio);

}  // namespace velnor
