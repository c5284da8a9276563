#pragma once

#include <array>
#include <optional>

namespace velnor {

using Point3d = std::array<double, 3>;

// The mouse ray: the points under the mouse on the near and the far plane.
struct MouseRay {
    Point3d nearPoint{};
    Point3d farPoint{};
};

// Rounds to tenths, or to whole units when `wholeUnits` (Shift held).
double SnapCoordinate(double value, bool wholeUnits);

// Where the mouse ray meets the horizontal plane at height z, with x and y snapped. A ray that
// runs parallel to the plane meets it nowhere.
std::optional<Point3d> CursorOnPlane(const MouseRay& ray, double z, bool wholeUnits);

// The cursor height of a height drag: the whole viewport height spans 24 units, upwards positive,
// from the level the drag started at.
double HeightFromDrag(int downY, int y, int viewportHeight, double level, bool wholeUnits);

// The parameter s of the point A + s (B - A) of line AB nearest to the mouse ray (the foot of
// their common perpendicular on AB). Parallel lines take a denominator of 0.0001.
double LineParameterNearRay(const Point3d& a, const Point3d& b, const MouseRay& ray);

// Catches s at 1/2, 1/4, 3/4, 1/3 and 2/3 when it falls near them.
double SnapLineParameter(double s);

// The ratio of top to base of a pencil solid: the horizontal distance of the cursor from the top
// point over the length of the first base edge; under 0.1 it is 0 (a pyramid), within 0.1 of 1
// it is 1 (a prism).
double TopRatio(const Point3d& top, const Point3d& cursor, const Point3d& base0,
                const Point3d& base1);

// The top vertex over base vertex `vi`: V0 + r (Vi - V0) + (T - V0).
Point3d TopVertex(const Point3d& v0, const Point3d& vi, const Point3d& top, double ratio);

}  // namespace velnor
