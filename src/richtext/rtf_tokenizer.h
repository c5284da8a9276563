#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace velnor {

// A control word such as \b0 or \fs24, with its number if it has one.
struct RtfControlWord {
    // Hostile input is bounded here: numbers are clamped as they are read, and again before they
    // reach a format.
    static constexpr long long kMaxNumber = 1000000000;
    static constexpr int kMaxTwips = 31680;  // 22 inches

    std::string_view word;
    bool hasNumber = false;
    long long number = 0;

    // A toggle such as \b or \b0.
    bool On() const { return !hasNumber || number != 0; }
    int Clamped(int low, int high) const {
        return static_cast<int>(std::clamp<long long>(number, low, high));
    }
    // An index into the font or colour table.
    int Index() const { return Clamped(0, static_cast<int>(kMaxNumber)); }
    int Twips() const { return Clamped(-kMaxTwips, kMaxTwips); }
};

// One piece of RTF as the reader meets it.
struct RtfToken {
    enum class Kind {
        kEnd,
        kGroupOpen,
        kGroupClose,
        kWord,    // `word`
        kSymbol,  // a control symbol such as \~ or \{: `byte` is the character after the backslash
        kByte,    // a byte of text, as it stands or as \'hh
        kBinary,  // `data`: the raw bytes after \binN
    };

    Kind kind = Kind::kEnd;
    RtfControlWord word;
    char byte = 0;
    std::string_view data;
};

// The value of a hexadecimal digit, or -1.
int HexDigitOf(char c);

// Cuts RTF into tokens. Line breaks between tokens, a backslash at the very end and a \' without
// two hexadecimal digits give no token.
class RtfTokenizer {
public:
    explicit RtfTokenizer(std::string_view rtf) : m_rtf(rtf) {}

    // The next token; kEnd once the input is used up.
    RtfToken Next();

private:
    // After a backslash: a word, a symbol, a hexadecimal byte or nothing.
    bool ReadControl(RtfToken& token);
    RtfToken ReadControlWord();
    bool ReadHexByte(RtfToken& token);

    std::string_view m_rtf;
    size_t m_pos = 0;
};

}  // namespace velnor
