#include "output/lesson_json.h"

#include <cmath>

namespace velnor {

double LessonNumber(double value, int decimals) {
    // Dividing by an exact power of ten gives the shortest decimal JSON can print.
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return rounded == 0.0 ? 0.0 : rounded;  // no "-0" in the file
}

QJsonArray LessonNumbers(std::initializer_list<double> values) {
    QJsonArray array;
    for (const double v : values) {
        array.append(LessonNumber(v));
    }
    return array;
}

QJsonArray LessonPoint(const std::array<float, 3>& p) {
    return LessonNumbers({p[0], p[1], p[2]});
}

QJsonArray LessonColour(Rgb c) {
    return QJsonArray{c.r, c.g, c.b};
}

QJsonArray LessonMatrix(const QMatrix4x4& m) {
    QJsonArray array;
    for (int i = 0; i < 16; ++i) {
        array.append(LessonNumber(m.constData()[i]));
    }
    return array;
}

}  // namespace velnor
