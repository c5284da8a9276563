#pragma once

#include <vector>

#include "shapes/mesh.h"

namespace velnor {

// The points where the lines from the point (l, m, o) seen from the eye touch the unit circle of
// the base plane; none when it lies inside. A point at infinity (o = 0) gives the two ends of the
// diameter across its direction.
int TangentPoints(double l, double m, double o, Point2 (&t)[2]);

// The outlines of the surfaces of kinds 21, 22, 23 and 25 as seen from `eye` (the direction
// towards the eye in the solid's unit frame): the two lines along a cylinder's, a cone's or a
// frustum's side (top radius `top`), and the great circle of a sphere across the eye.
std::vector<MeshLine> CylinderSilhouette(const Vec3& eye);
std::vector<MeshLine> SideSilhouette(const Vec3& eye, double top);
std::vector<MeshLine> SphereSilhouette(const Vec3& eye);

}  // namespace velnor
