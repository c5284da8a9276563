#include "expr/formula_normalisation.h"

#include "expr/formula_characters.h"

namespace velnor {

namespace {

std::string RemoveBlanksAndLowercase(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c == ' ') {
            continue;
        }
        result += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return result;
}

std::string ParenthesiseImplicitArguments(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 2 + 2);
    size_t pos = 0;
    while (pos < text.size()) {
        if (!IsFormulaLetter(text[pos])) {
            result += text[pos++];
            continue;
        }
        const size_t nameEnd = EndOfRun(text, pos, IsFormulaLetter);
        const std::string_view name = text.substr(pos, nameEnd - pos);
        const bool hasNext = nameEnd < text.size();
        if (name.size() < 2 || (hasNext && text[nameEnd] == '(')) {
            result += name;
            pos = nameEnd;
        } else if (hasNext && IsNumberCharacter(text[nameEnd])) {
            size_t argumentEnd = EndOfRun(text, nameEnd, IsNumberCharacter);
            if (argumentEnd < text.size() && IsFormulaLetter(text[argumentEnd])) {
                ++argumentEnd;
            }
            result += name;
            result += '(';
            result += text.substr(nameEnd, argumentEnd - nameEnd);
            result += ')';
            pos = argumentEnd;
        } else {
            result += name.substr(0, name.size() - 1);
            result += '(';
            result += name.back();
            result += ')';
            pos = nameEnd;
        }
    }
    return result;
}

std::string MultiplyAfterNumbers(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 2);
    for (size_t pos = 0; pos < text.size(); ++pos) {
        result += text[pos];
        if (IsNumberCharacter(text[pos]) && pos + 1 < text.size() &&
            IsFormulaLetter(text[pos + 1])) {
            result += '*';
        }
    }
    return result;
}

std::string ReplaceAbsoluteValueBars(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c != '|') {
            result += c;
            continue;
        }
        const bool closes =
            !result.empty() && (result.back() == ')' || IsFormulaDigit(result.back()) ||
                                IsFormulaLetter(result.back()));
        result += closes ? ")" : "abs(";
    }
    return result;
}

}  // namespace

std::string NormaliseFormula(std::string_view text) {
    return ReplaceAbsoluteValueBars(
        MultiplyAfterNumbers(ParenthesiseImplicitArguments(RemoveBlanksAndLowercase(text))));
}

}  // namespace velnor
