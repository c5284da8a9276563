#pragma once

#include <QString>

#include <string>

namespace velnor {

// Appends `text` as UTF-8 that TeX sets as it reads, in text mode: its special characters as
// the commands that print them, control characters left out.
void AppendTexText(std::string& out, const QString& text);

// Whether `text` can stand in math mode as it is: letters, digits, primes and blanks.
bool IsPlainMath(const QString& text);

}  // namespace velnor
