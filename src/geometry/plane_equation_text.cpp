#include "geometry/plane_equation_text.h"

#include "geometry/kernel.h"
#include "geometry/text_format.h"
#include "geometry/tolerances.h"

namespace velnor {

namespace {

float LeadingCoefficient(Vec3 n) {
    if (Exceeds(n.x, kEpsCoplanar)) {
        return n.x;
    }
    if (Exceeds(n.y, kEpsCoplanar)) {
        return n.y;
    }
    if (Exceeds(n.z, kEpsCoplanar)) {
        return n.z;
    }
    return 1.0f;
}

// A negative coefficient prints its own minus sign.
const char* SignText(float coefficient) {
    return coefficient < 0.0f ? "" : "+";
}

}  // namespace

std::string PlaneEquationText(const std::string& name, Vec3 p0, Vec3 p1, Vec3 p2) {
    const Vec3 n = FaceNormal(p0, p1, p2);
    const float g = LeadingCoefficient(n);
    const float a = n.x / g;
    const float b = n.y / g;
    const float c = n.z / g;
    const float e = -Dot(n, p1) / g;
    return FormatText("%s : %.4fx%s%.4fy%s%.4fz%s%.4f=0 ", name.c_str(), Printable(a), SignText(b),
                      Printable(b), SignText(c), Printable(c), SignText(e), Printable(e));
}

}  // namespace velnor
