#pragma once

#include "geometry/kernel.h"
#include "geometry/vec3.h"

namespace velnor {

enum class LinesRelation { kSkew, kIntersecting, kCoincident, kParallel };

// Two lines: their distance, and their angle (0 to 90 degrees) with its absolute cosine.
struct LinesVerdict {
    LinesRelation relation = LinesRelation::kSkew;
    float distance = 0.0f;
    float angle = 0.0f;
    float cosine = 1.0f;
};

enum class LinePlaneRelation { kMeets, kParallel, kInPlane };

// A line and a plane: the angle between them (0 to 90 degrees) with its cosine when they meet,
// their distance when the line is parallel to the plane.
struct LinePlaneVerdict {
    LinePlaneRelation relation = LinePlaneRelation::kMeets;
    float angle = 0.0f;
    float cosine = 1.0f;
    float distance = 0.0f;
};

enum class PlanesRelation { kIntersecting, kCoincident, kParallel };

// Two planes: the dihedral angle (0 to 90 degrees) with its absolute cosine when they intersect,
// their distance when they are parallel.
struct PlanesVerdict {
    PlanesRelation relation = PlanesRelation::kIntersecting;
    float angle = 0.0f;
    float cosine = 1.0f;
    float distance = 0.0f;
};

// Line AB against line CD; both are taken as infinite straight lines.
LinesVerdict ClassifyLines(Vec3 a, Vec3 b, Vec3 c, Vec3 d);
LinePlaneVerdict ClassifyLinePlane(Vec3 a, Vec3 b, const PlaneEquation& plane);
// q is a point of the second plane; it gives the distance of parallel planes.
PlanesVerdict ClassifyPlanes(const PlaneEquation& first, const PlaneEquation& second, Vec3 q);

// Whether any component of v exceeds the on/off tolerance: a cross product that is not zero.
bool AnyComponentExceedsOnOff(Vec3 v);

// The cosine of the angle between a line of direction u and a plane of normal n, that is
// sqrt(1 − (n · u)² / (n² u²)).
float LinePlaneCosine(Vec3 n, Vec3 u);

}  // namespace velnor
