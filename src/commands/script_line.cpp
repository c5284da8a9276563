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
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (quoted || !(IsBlank(c) || c == '#')) {
            word += c;
            inWord = true;
        } else {
            if (inWord) {
                words.push_back(std::move(word));
                word.clear();
                inWord = false;
            }
            if (c == '#') {
                break;
            }
        }
    }
    if (quoted) {
        throw CommandError("a quote is not closed");
    }
    if (inWord) {
        words.push_back(std::move(word));
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
