#pragma once

#include <QJsonArray>
#include <QMatrix4x4>

#include <array>
#include <initializer_list>

#include "model/color.h"

namespace velnor {

// Numbers of the web lesson are rounded to so many decimals, what a browser's single-precision
// drawing can use: it keeps the file small, as JSON would otherwise print every float's binary
// tail. A hundred-thousandth of a unit is far below a pixel at any zoom.
double LessonNumber(double value, int decimals = 5);

QJsonArray LessonNumbers(std::initializer_list<double> values);
QJsonArray LessonPoint(const std::array<float, 3>& p);
QJsonArray LessonColour(Rgb c);
// Column by column, as WebGL takes a matrix.
QJsonArray LessonMatrix(const QMatrix4x4& m);

}  // namespace velnor
