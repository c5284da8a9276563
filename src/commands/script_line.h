#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velnor {

// One line of a script split into words: blanks separate words and "#" starts a comment. Double
// quotes keep blanks and "#" inside a word (file="第 1 课.plm") and are themselves left out; a
// quote left open is refused.
std::vector<std::string> SplitScriptLine(std::string_view line);

// Reads a word as a number or as an integer in [low, high]; throws CommandError naming `what`.
double ReadNumber(const std::string& word, const char* what);
int ReadInteger(const std::string& word, const char* what, int low, int high);

}  // namespace velnor
