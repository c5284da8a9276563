#pragma once

#include <string>
#include <string_view>

namespace velnor {

// Rewrites a formula as typed into the strict form that the syntax check and the parse read:
// - blanks go and capitals become small letters;
// - a name of two or more letters without '(' gets its argument parenthesised: the number that
//   follows it with at most one letter after that (sin2x -> sin(2x)), or else its own last
//   letter (sinx -> sin(x), ab -> a(b));
// - a '*' goes between a digit or '.' and a letter right after it (3y -> 3*y);
// - a bar '|' opens "abs(" unless it follows ')', a digit or a letter, where it closes with ')'.
std::string NormaliseFormula(std::string_view text);

}  // namespace velnor
