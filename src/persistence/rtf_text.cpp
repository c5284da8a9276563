#include "persistence/rtf_text.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "persistence/cp936.h"

namespace velnor {

namespace {

// Destinations whose content is not part of the text.
constexpr std::array<std::string_view, 22> kSkippedDestinations = {
    "fonttbl",
    "colortbl",
    "stylesheet",
    "info",
    "pict",
    "object",
    "header",
    "footer",
    "headerl",
    "headerr",
    "footerl",
    "footerr",
    "footnote",
    "listtable",
    "listoverridetable",
    "rsidtbl",
    "generator",
    "themedata",
    "colorschememapping",
    "latentstyles",
    "datastore",
    "xmlnstbl",
};

bool IsSkippedDestination(std::string_view word) {
    for (std::string_view skipped : kSkippedDestinations) {
        if (word == skipped) {
            return true;
        }
    }
    return false;
}

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads RTF one token at a time. Text bytes are gathered as code page 936 and converted when a
// Unicode character or the end comes, so that a double-byte character split into two \'hh
// escapes still reads as one character.
class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : m_rtf(rtf) {}

    std::string Read() {
        while (m_pos < m_rtf.size()) {
            const char c = m_rtf[m_pos++];
            if (c == '{') {
                m_groups.push_back(m_groups.empty() ? Group{} : m_groups.back());
            } else if (c == '}') {
                if (!m_groups.empty()) {
                    m_groups.pop_back();
                }
            } else if (c == '\\') {
                ReadControl();
            } else if (c != '\r' && c != '\n') {
                AddByte(c);
            }
        }
        FlushBytes();
        if (!m_text.empty() && m_text.back() == '\n') {
            m_text.pop_back();
        }
        return m_text;
    }

private:
    struct Group {
        bool skipped = false;
        int unicodeSkip = 1;
    };

    bool Skipping() const { return !m_groups.empty() && m_groups.back().skipped; }

    void Skip() {
        if (!m_groups.empty()) {
            m_groups.back().skipped = true;
        }
    }

    // A character of text; after \uN the next characters are the fallback, which is dropped.
    void AddByte(char c) {
        if (m_nFallback > 0) {
            --m_nFallback;
            return;
        }
        if (!Skipping()) {
            m_bytes += c;
        }
    }

    void AddText(std::string_view utf8) {
        if (m_nFallback > 0) {
            --m_nFallback;
            return;
        }
        if (!Skipping()) {
            FlushBytes();
            m_text += utf8;
        }
    }

    void FlushBytes() {
        if (!m_bytes.empty()) {
            m_text += Cp936ToUtf8(m_bytes);
            m_bytes.clear();
        }
    }

    void ReadControl() {
        if (m_pos >= m_rtf.size()) {
            return;
        }
        const char c = m_rtf[m_pos];
        if (std::isalpha(static_cast<unsigned char>(c))) {
            ReadControlWord();
            return;
        }
        ++m_pos;
        switch (c) {
            case '\'':
                ReadHexByte();
                break;
            case '\\':
            case '{':
            case '}':
                AddByte(c);
                break;
            case '~':
                AddText("\u00A0");
                break;
            case '_':
                AddText("-");
                break;
            case '*':
                Skip();
                break;
            case '\r':
            case '\n':
                AddText("\n");
                break;
            default:
                break;
        }
    }

    void ReadHexByte() {
        if (m_pos + 2 > m_rtf.size()) {
            m_pos = m_rtf.size();
            return;
        }
        const int high = HexDigit(m_rtf[m_pos]);
        const int low = HexDigit(m_rtf[m_pos + 1]);
        m_pos += 2;
        if (high >= 0 && low >= 0) {
            AddByte(static_cast<char>(high * 16 + low));
        }
    }

    void ReadControlWord() {
        const size_t start = m_pos;
        while (m_pos < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf[m_pos]))) {
            ++m_pos;
        }
        const std::string_view word = m_rtf.substr(start, m_pos - start);
        bool hasNumber = false;
        long number = 0;
        bool negative = false;
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_rtf.size() && std::isdigit(static_cast<unsigned char>(m_rtf[m_pos]))) {
            hasNumber = true;
            if (number < 1000000) {
                number = number * 10 + (m_rtf[m_pos] - '0');
            }
            ++m_pos;
        }
        if (negative) {
            number = -number;
        }
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ') {
            ++m_pos;
        }
        Apply(word, hasNumber, number);
    }

    void Apply(std::string_view word, bool hasNumber, long number) {
        if (word == "par" || word == "line" || word == "row" || word == "sect") {
            AddText("\n");
        } else if (word == "tab" || word == "cell") {
            AddText("\t");
        } else if (word == "uc" && hasNumber && !m_groups.empty()) {
            m_groups.back().unicodeSkip = static_cast<int>(number < 0 ? 0 : number);
        } else if (word == "u" && hasNumber) {
            AddUnicode(number);
        } else if (IsSkippedDestination(word)) {
            Skip();
        }
    }

    // \uN gives a UTF-16 unit as a signed 16-bit number; pairs of surrogates make one character.
    void AddUnicode(long number) {
        uint32_t unit = static_cast<uint32_t>(number < 0 ? number + 65536 : number) & 0xFFFF;
        std::string utf8;
        if (unit >= 0xD800 && unit < 0xDC00) {
            m_nHighSurrogate = unit;
        } else {
            if (unit >= 0xDC00 && unit < 0xE000 && m_nHighSurrogate != 0) {
                unit = 0x10000 + ((m_nHighSurrogate - 0xD800) << 10) + (unit - 0xDC00);
            }
            m_nHighSurrogate = 0;
            AppendUtf8(utf8, unit);
            AddText(utf8);
        }
        m_nFallback = m_groups.empty() ? 1 : m_groups.back().unicodeSkip;
    }

    std::string_view m_rtf;
    size_t m_pos = 0;
    std::vector<Group> m_groups;
    std::string m_bytes;
    std::string m_text;
    int m_nFallback = 0;
    uint32_t m_nHighSurrogate = 0;
};

// The length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

uint32_t DecodeUtf8(std::string_view sequence) {
    const auto byte = [&](size_t i) { return static_cast<uint32_t>(sequence[i]) & 0xFF; };
    switch (sequence.size()) {
        case 2:
            return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
        case 3:
            return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        case 4:
            return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) |
                   (byte(3) & 0x3F);
        default:
            return byte(0);
    }
}

void AppendUnicodeEscape(std::string& out, uint32_t code) {
    const auto unit = [&out](uint32_t value) {
        const int signedValue =
            value >= 0x8000 ? static_cast<int>(value) - 65536 : static_cast<int>(value);
        out += "\\u" + std::to_string(signedValue) + "?";
    };
    if (code >= 0x10000) {
        code -= 0x10000;
        unit(0xD800 + (code >> 10));
        unit(0xDC00 + (code & 0x3FF));
    } else {
        unit(code);
    }
}

void AppendHexBytes(std::string& out, std::string_view bytes) {
    for (const char b : bytes) {
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\'%02x", static_cast<unsigned char>(b));
        out += escape;
    }
}

// One non-ASCII character: as its code page 936 bytes where it has them, else as \uN.
void AppendWide(std::string& out, std::string_view sequence) {
    const std::string bytes = Utf8ToCp936(sequence);
    if (bytes != "?") {
        AppendHexBytes(out, bytes);
    } else {
        AppendUnicodeEscape(out, DecodeUtf8(sequence));
    }
}

}  // namespace

std::string RtfToText(std::string_view rtf) {
    if (!rtf.starts_with("{\\rtf")) {
        return Cp936ToUtf8(rtf);
    }
    return RtfReader(rtf).Read();
}

std::string TextToRtf(std::string_view text) {
    std::string out = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 ";
    AppendHexBytes(out, Utf8ToCp936("宋体"));
    out += ";}}\n\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs20 ";
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        const size_t length =
            std::min(SequenceLength(static_cast<unsigned char>(c)), text.size() - i);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\par\n";
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (static_cast<unsigned char>(c) < 0x80) {
            // Line breaks are paragraphs; a carriage return adds nothing to them.
            if (c != '\r') {
                out += c;
            }
        } else {
            AppendWide(out, text.substr(i, length));
        }
        i += length;
    }
    out += "\\par\n}";
    return out;
}

}  // namespace velnor
