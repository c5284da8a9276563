#include "view/projection.h"

#include <GL/gl.h>

namespace velnor {

std::array<double, 16> ObliqueMatrix(float aspect) {
    const double l = 17.675 - 12.0 * aspect;
    const double r = 17.675 + 12.0 * aspect;
    const double b = 5.675f;  // single-precision values, as the window has always used
    const double t = 29.675f;
    const double n = 0.0, f = 220.0;
    constexpr double kShear = 0.7071067811865476;
    std::array<double, 16> m{};
    m[0] = 2.0 / (r - l);
    m[5] = 2.0 / (t - b);
    m[10] = -2.0 / (f - n);
    m[15] = 1.0;
    m[8] = -kShear / (r - l);
    m[9] = -kShear / (t - b);
    m[12] = -(r + l) / (r - l);
    m[13] = -(t + b) / (t - b);
    m[14] = -(f + n) / (f - n);
    return m;
}

namespace {

// The matrices glFrustum and glOrtho multiply on.
std::array<double, 16> FrustumMatrix(double l, double r, double b, double t, double n, double f) {
    std::array<double, 16> m{};
    m[0] = 2.0 * n / (r - l);
    m[5] = 2.0 * n / (t - b);
    m[8] = (r + l) / (r - l);
    m[9] = (t + b) / (t - b);
    m[10] = -(f + n) / (f - n);
    m[11] = -1.0;
    m[14] = -2.0 * f * n / (f - n);
    return m;
}

std::array<double, 16> OrthoMatrix(double l, double r, double b, double t, double n, double f) {
    std::array<double, 16> m{};
    m[0] = 2.0 / (r - l);
    m[5] = 2.0 / (t - b);
    m[10] = -2.0 / (f - n);
    m[12] = -(r + l) / (r - l);
    m[13] = -(t + b) / (t - b);
    m[14] = -(f + n) / (f - n);
    m[15] = 1.0;
    return m;
}

}  // namespace

std::array<double, 16> ProjectionMatrix(int type, float aspect) {
    const double a = aspect;
    switch (type) {
        case kCentral:
            return aspect >= 1.0f ? FrustumMatrix(-5.0 * a, 5.0 * a, -5.0, 5.0, 20.0, 220.0)
                                  : FrustumMatrix(-5.0, 5.0, -5.0 / a, 5.0 / a, 20.0, 220.0);
        case kOblique:
            return ObliqueMatrix(aspect);
        default:
            return OrthoMatrix(-12.0 * a, 12.0 * a, -12.0, 12.0, 0.0, 220.0);
    }
}

void SetupProjection(int type, float aspect) {
    glMultMatrixd(ProjectionMatrix(type, aspect).data());
}

}  // namespace velnor
