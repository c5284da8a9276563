#pragma once

#include <QTextListFormat>

#include <optional>
#include <string_view>

namespace velnor {

// RTF control words that the reader knows by name.

// A destination whose content is not part of the text (style sheets, headers, fields' codes...).
bool IsSkippedDestination(std::string_view word);

// The character that a word such as \emdash stands for.
std::optional<char16_t> SpecialCharacterOf(std::string_view word);

// The list style that a numbering word of a \pn group gives.
std::optional<QTextListFormat::Style> ListStyleOf(std::string_view word);

}  // namespace velnor
