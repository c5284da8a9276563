#pragma once

#include <span>

#include "geometry/vec3.h"

namespace velnor {

// The plane n · X + d = 0.
struct PlaneEquation {
    Vec3 n;
    float d = 0.0f;
};

struct AreaAndPerimeter {
    float area = 0.0f;
    float perimeter = 0.0f;
};

// A line or a face whose direction or normal has zero length would make the formulas below divide
// by zero. Such a quotient is taken as 0 (a distance of 0), and a cosine with a zero-length factor
// as 1 (an angle of 0), so that no text ever shows an invalid number.
float GuardedQuotient(float numerator, float denominator);
float CosineBetween(Vec3 u, Vec3 v);

// (V0 − V1) × (V2 − V1): for vertices counter-clockwise seen from +z it points towards −z.
Vec3 FaceNormal(Vec3 v0, Vec3 v1, Vec3 v2);
// The plane of FaceNormal through V1.
PlaneEquation FacePlane(Vec3 v0, Vec3 v1, Vec3 v2);

float DistancePointLine(Vec3 p, Vec3 a, Vec3 b);
float DistancePointPlane(Vec3 p, const PlaneEquation& plane);

// Degrees of the arc cosine of c (c is taken as at most 1, and at least −1).
float AngleDegrees(float cosine);
// The angle ABC at B, 0 to 180 degrees.
float AngleAtVertex(Vec3 a, Vec3 b, Vec3 c);

float HeronArea(float a, float b, float c);
// Area by a fan of triangles from the first vertex, and the perimeter; zero for fewer than three
// vertices.
AreaAndPerimeter FanArea(std::span<const Vec3> vertices);
float TetraVolume(Vec3 a, Vec3 b, Vec3 c, Vec3 d);

}  // namespace velnor
