#include "editing/transform_rotation.h"

#include <algorithm>
#include <cmath>

#include "geometry/tolerances.h"

namespace velnor {

namespace {

constexpr double kOnAxis = 0.00001;

using Vector = std::array<double, 3>;

Vector ToVector(const Float3& f) {
    return {f[0], f[1], f[2]};
}

Float3 ToFloat3(const Vector& v) {
    return {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2])};
}

double Dot(const Vector& a, const Vector& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector Cross(const Vector& a, const Vector& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Length(const Vector& v) {
    return std::sqrt(Dot(v, v));
}

bool AlongZ(const Vector& v) {
    return std::fabs(v[0]) < kOnAxis && std::fabs(v[1]) < kOnAxis;
}

// Where the reference u (in the xy plane) goes when +z is tilted onto v, about the horizontal
// axis perpendicular to both.
Vector CarryReference(const Vector& u, const Vector& v) {
    if (AlongZ(v)) {
        return u;
    }
    const double h = std::hypot(v[0], v[1]);
    const double c = v[2] / Length(v);
    const double s = std::sin(std::acos(c));
    const double nx = -v[1] / h;
    const double ny = v[0] / h;
    return {(c + (1 - c) * nx * nx) * u[0] + (1 - c) * nx * ny * u[1],
            (1 - c) * nx * ny * u[0] + (c + (1 - c) * ny * ny) * u[1], s * (nx * u[1] - ny * u[0])};
}

}  // namespace

Rotation::Rotation(const Float3& axisPoint, const Float3& axisDir, float angleDegrees)
    : m_point(ToVector(axisPoint)) {
    const double theta = angleDegrees * kPi / 180.0;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const Vector k = ToVector(axisDir);
    // R = k k^T + cos(theta) (I - k k^T) + sin(theta) K, with K the cross-product matrix of k.
    const std::array<Vector, 3> cross{{{0, -k[2], k[1]}, {k[2], 0, -k[0]}, {-k[1], k[0], 0}}};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const double outer = k[i] * k[j];
            const double identity = i == j ? 1.0 : 0.0;
            m_rows[i][j] = outer + c * (identity - outer) + s * cross[i][j];
        }
    }
}

Rotation::Vector Rotation::Turn(const Vector& v) const {
    return {Dot(m_rows[0], v), Dot(m_rows[1], v), Dot(m_rows[2], v)};
}

Float3 Rotation::Apply(const Float3& point) const {
    const Vector p = ToVector(point);
    const Vector turned = Turn({p[0] - m_point[0], p[1] - m_point[1], p[2] - m_point[2]});
    return ToFloat3({turned[0] + m_point[0], turned[1] + m_point[1], turned[2] + m_point[2]});
}

double Rotation::SpinCorrection(const Vector& before, const Vector& after) const {
    const Vector u = AlongZ(before) ? Vector{1, 0, 0} : Vector{-before[1], before[0], 0};
    const Vector w = CarryReference(u, after);
    const Vector r = Turn(u);
    const double cosine = std::clamp(Dot(w, r) / (Length(w) * Length(r)), -1.0, 1.0);
    double phi = std::acos(cosine);
    if (Dot(after, Cross(w, r)) < 0) {
        phi = -phi;
    }
    return phi * 180.0 / kPi;
}

void Rotation::Apply(CSubassembly& solid) const {
    solid.m_position = Apply(solid.m_position);
    const Vector before = ToVector(solid.m_direction);
    const Vector after = Turn(before);
    solid.m_direction = ToFloat3(after);
    solid.m_fSpin = static_cast<float>(solid.m_fSpin + SpinCorrection(before, after));
}

}  // namespace velnor
