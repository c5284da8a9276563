#pragma once

#include <vector>

#include "shapes/mesh.h"

namespace velnor {

// The round shapes at the tessellations the view has always drawn them with. The GLU quadrics
// place a slice's points at (sin a, cos a); the GLUT shapes at (cos a, -sin a).

// gluSphere: radius 1, `slices` round the z axis, `stacks` from the north pole, textured.
Surface QuadricSphere(int slices, int stacks);
// gluCylinder: from radius `base` at z = 0 to `top` at z = 1, open at both ends, textured.
Surface QuadricCylinder(double base, double top, int slices, int stacks);
// gluDisk: the unit disk at z = 0 facing +z, textured.
Surface QuadricDisk(int slices);
// gluCylinder drawn as lines: its stacks + 1 circles and its slices' lines.
std::vector<MeshLine> QuadricCylinderLines(int slices, int stacks);

// glutSolidSphere about `centre`.
Surface GlutSphere(const Vec3& centre, double radius, int slices, int stacks);
// glutWireSphere: the slices from pole to pole, then the stacks' circles.
std::vector<MeshLine> GlutSphereLines(double radius, int slices, int stacks);
// glutWireCone of base and height `size`: the slices from the base to the apex, then the stacks'
// circles from the base up.
std::vector<MeshLine> GlutConeLines(double size, int slices, int stacks);
// glutSolidTorus and glutWireTorus: a tube of radius `tube` round the circle of radius `ring`
// in the xy plane.
Surface GlutTorus(double tube, double ring, int sides, int rings);
std::vector<MeshLine> GlutTorusLines(double tube, double ring, int sides, int rings);

}  // namespace velnor
