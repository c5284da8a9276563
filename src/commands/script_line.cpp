#include "commands/script_line.h"

#include <charconv>
#include <cmath>

#include "commands/command_error.h"

namespace velnor {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::vector<std::string> SplitScriptLine(std::string_view line) {
    line = line.substr(0, line.find('#'));
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) {
            ++i;
        }
        const size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) {
            ++i;
        }
        if (i > start) {
            words.emplace_back(line.substr(start, i - start));
        }
    }
    return words;
}

double ReadNumber(const std::string& word, const char* what) {
    double value = 0.0;
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) {
        throw CommandError(std::string(what) + " '" + word + "' is not a number");
    }
    return value;
}

int ReadInteger(const std::string& word, const char* what, int low, int high) {
    int value = 0;
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        throw CommandError(std::string(what) + " '" + word + "' is not an integer");
    }
    if (value < low || value > high) {
        throw CommandError(std::string(what) + " " + word + " is not in " + std::to_string(low) +
                           ".." + std::to_string(high));
    }
    return value;
}

}  // namespace velnor
