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

void SetupProjection(int type, float aspect) {
    switch (type) {
        case kCentral:
            if (aspect >= 1.0f) {
                glFrustum(-5.0 * aspect, 5.0 * aspect, -5.0, 5.0, 20.0, 220.0);
            } else {
                glFrustum(-5.0, 5.0, -5.0 / aspect, 5.0 / aspect, 20.0, 220.0);
            }
            break;
        case kOblique:
            glMultMatrixd(ObliqueMatrix(aspect).data());
            break;
        default:
            glOrtho(-12.0 * aspect, 12.0 * aspect, -12.0, 12.0, 0.0, 220.0);
            break;
    }
}

}  // namespace velnor
