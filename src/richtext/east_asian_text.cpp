#include "richtext/east_asian_text.h"

#include <QList>
#include <QStringView>

#include <algorithm>
#include <array>

namespace velnor {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

constexpr std::array<Range, 10> kEastAsianRanges = {{
    {0x1100, 0x11FF},    // Hangul Jamo
    {0x2E80, 0x303F},    // radicals, ideographic description, CJK symbols and punctuation
    {0x3040, 0x4DBF},    // kana, Bopomofo, Hangul compatibility, enclosed CJK, extension A
    {0x4E00, 0x9FFF},    // CJK unified ideographs
    {0xA960, 0xA97F},    // Hangul Jamo extended
    {0xAC00, 0xD7FF},    // Hangul syllables
    {0xF900, 0xFAFF},    // CJK compatibility ideographs
    {0xFE30, 0xFE4F},    // CJK compatibility forms
    {0xFF00, 0xFFEF},    // half-width and full-width forms
    {0x20000, 0x3FFFF},  // supplementary ideographs
}};

}  // namespace

bool IsEastAsian(char32_t character) {
    return std::any_of(kEastAsianRanges.begin(), kEastAsianRanges.end(), [&](const Range& range) {
        return character >= range.first && character <= range.last;
    });
}

bool ContainsEastAsian(const QString& text) {
    const QList<uint> characters = QStringView(text).toUcs4();
    return std::any_of(characters.begin(), characters.end(), IsEastAsian);
}

void ForEachScriptRun(const QString& text,
                      const std::function<void(const QString& run, bool eastAsian)>& take) {
    qsizetype start = 0;
    bool runEastAsian = false;
    qsizetype position = 0;
    for (const uint character : QStringView(text).toUcs4()) {
        const bool eastAsian = IsEastAsian(character);
        if (position > start && eastAsian != runEastAsian) {
            take(text.mid(start, position - start), runEastAsian);
            start = position;
        }
        runEastAsian = eastAsian;
        position += character > 0xFFFF ? 2 : 1;
    }
    if (position > start) {
        take(text.mid(start), runEastAsian);
    }
}

}  // namespace velnor
