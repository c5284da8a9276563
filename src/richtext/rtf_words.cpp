#include "richtext/rtf_words.h"

#include <algorithm>
#include <array>

namespace velnor {

namespace {

// Destinations whose content is not part of the text.
constexpr std::array<std::string_view, 28> kSkippedDestinations = {
    "stylesheet",   "info",       "header",    "footer",    "headerl",
    "headerr",      "headerf",    "footerl",   "footerr",   "footerf",
    "footnote",     "rsidtbl",    "generator", "themedata", "colorschememapping",
    "latentstyles", "datastore",  "xmlnstbl",  "object",    "pntext",
    "listtext",     "nonshppict", "fldinst",   "xe",        "tc",
    "revtbl",       "filetbl",    "mmathPr",
};

struct SpecialCharacter {
    std::string_view word;
    char16_t code;
};

constexpr std::array<SpecialCharacter, 13> kSpecialCharacters = {{
    {"tab", u'\t'},
    {"nestcell", u'\t'},
    {"line", u'\u2028'},
    {"emdash", u'\u2014'},
    {"endash", u'\u2013'},
    {"bullet", u'\u2022'},
    {"lquote", u'\u2018'},
    {"rquote", u'\u2019'},
    {"ldblquote", u'\u201C'},
    {"rdblquote", u'\u201D'},
    {"emspace", u'\u2003'},
    {"enspace", u'\u2002'},
    {"qmspace", u'\u2005'},
}};

struct ListWord {
    std::string_view word;
    QTextListFormat::Style style;
};

constexpr std::array<ListWord, 7> kListWords = {{
    {"pnlvlblt", QTextListFormat::ListDisc},
    {"pnlvlbody", QTextListFormat::ListDecimal},
    {"pndec", QTextListFormat::ListDecimal},
    {"pnlcltr", QTextListFormat::ListLowerAlpha},
    {"pnucltr", QTextListFormat::ListUpperAlpha},
    {"pnlcrm", QTextListFormat::ListLowerRoman},
    {"pnucrm", QTextListFormat::ListUpperRoman},
}};

}  // namespace

bool IsSkippedDestination(std::string_view word) {
    return std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
           kSkippedDestinations.end();
}

std::optional<char16_t> SpecialCharacterOf(std::string_view word) {
    const auto found = std::find_if(kSpecialCharacters.begin(), kSpecialCharacters.end(),
                                    [&](const SpecialCharacter& s) { return s.word == word; });
    return found == kSpecialCharacters.end() ? std::nullopt : std::optional(found->code);
}

std::optional<QTextListFormat::Style> ListStyleOf(std::string_view word) {
    const auto found = std::find_if(kListWords.begin(), kListWords.end(),
                                    [&](const ListWord& w) { return w.word == word; });
    return found == kListWords.end() ? std::nullopt : std::optional(found->style);
}

}  // namespace velnor
