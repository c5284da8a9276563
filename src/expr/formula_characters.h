#pragma once

#include <cstddef>
#include <string_view>

namespace velnor {

// Character classes of the formula language. Plain ASCII ranges rather than <cctype>: a formula
// may hold any byte, and the locale must not widen what counts as a letter or a digit.

constexpr bool IsFormulaLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr bool IsFormulaDigit(char c) {
    return c >= '0' && c <= '9';
}

// A character of a number: a digit or the decimal point.
constexpr bool IsNumberCharacter(char c) {
    return IsFormulaDigit(c) || c == '.';
}

constexpr bool IsBinaryOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '%';
}

// The end of the run of characters of one class that starts at `start`.
inline size_t EndOfRun(std::string_view text, size_t start, bool (*belongs)(char)) {
    size_t end = start;
    while (end < text.size() && belongs(text[end])) {
        ++end;
    }
    return end;
}

}  // namespace velnor
