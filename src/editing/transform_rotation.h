#pragma once

#include <array>

#include "model/subassembly.h"

namespace velnor {

// A turn by an angle in degrees about the axis through a point with a unit direction. Vertices and
// solids are turned by the same matrix; a solid also has its spin corrected so that it keeps its
// orientation about its own axis as the axis moves.
class Rotation {
public:
    Rotation(const Float3& axisPoint, const Float3& axisDir, float angleDegrees);

    Float3 Apply(const Float3& point) const;
    // Position, direction and spin of the solid.
    void Apply(CSubassembly& solid) const;

private:
    using Vector = std::array<double, 3>;

    Vector Turn(const Vector& v) const;
    // The angle in degrees by which the solid's own x axis is carried round when its direction
    // goes from `before` to `after`.
    double SpinCorrection(const Vector& before, const Vector& after) const;

    std::array<Vector, 3> m_rows{};
    Vector m_point{};
};

}  // namespace velnor
