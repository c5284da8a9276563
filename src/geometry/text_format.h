#pragma once

#include <string>

namespace velnor {

// printf-style formatting into a string, for the measurement texts and the selection report.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The refusal of a value outside min..max, in the words of every dialog and script:
// "请输入一个介于 3 和 20 之间的整数。".
std::string RangeRefusal(double min, double max, bool integer);

// A value ready for printf: a negative zero (from products such as 0 × −2) would print as
// "-0.0000", which reads as a sign error; it prints as zero.
inline double Printable(float value) {
    return value == 0.0f ? 0.0 : static_cast<double>(value);
}

}  // namespace velnor
