#include "encoding/cp936.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <stdexcept>

namespace velnor {

namespace {

// One iconv conversion descriptor per direction, opened on first use and kept for the process.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input, or returns false and leaves out unchanged.
    bool Convert(std::string_view in, std::string& out) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[64];
        std::string result;
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            result.append(buffer, outPtr);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
                return false;
            }
        }
        out += result;
        return true;
    }

private:
    iconv_t m_cd;
};

Converter& FromCp936() {
    static Converter converter("UTF-8", "CP936");
    return converter;
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendEscape(std::string& out, unsigned char byte) {
    AppendUtf8(out, 0xDC00u + byte);  // U+DC80..U+DCFF
}

// The escaped byte at the start of text, if it starts with one.
int EscapedByte(std::string_view text) {
    if (text.size() < 3) {
        return -1;
    }
    const auto b0 = static_cast<unsigned char>(text[0]);
    const auto b1 = static_cast<unsigned char>(text[1]);
    const auto b2 = static_cast<unsigned char>(text[2]);
    if (b0 != 0xED || (b1 & 0xFE) != 0xB2 || (b2 & 0xC0) != 0x80) {
        return -1;
    }
    const unsigned code = 0xD000 | ((b1 & 0x3F) << 6) | (b2 & 0x3F);
    return static_cast<int>(code - 0xDC00);
}

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// The code point of a whole, well-formed UTF-8 sequence, or -1.
long DecodeUtf8(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    static constexpr unsigned kLeadMask[] = {0x7F, 0x1F, 0x0F, 0x07};
    static constexpr unsigned long kSmallest[] = {0, 0x80, 0x800, 0x10000};
    const size_t length = Utf8Length(lead);
    if (sequence.size() != length || (length == 1 && lead >= 0x80) || lead >= 0xF8) {
        return -1;
    }
    unsigned long code = lead & kLeadMask[length - 1];
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(sequence[i]);
        if ((next & 0xC0) != 0x80) {
            return -1;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < kSmallest[length - 1] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return -1;
    }
    return static_cast<long>(code);
}

// Code page 936 as lookup tables, filled once from iconv: converting text character by
// character through iconv was the slowest part of loading and saving documents.
class Cp936Tables {
public:
    static constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE;
    static constexpr unsigned kFirstTrail = 0x40, kLastTrail = 0xFE;
    static constexpr unsigned kTrails = kLastTrail - kFirstTrail + 1;

    Cp936Tables() {
        for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
            for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
                const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
                m_decode[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)] =
                    DecodeWithIconv({pair, 2});
            }
        }
        m_euro = DecodeWithIconv("\x80");
        // Where several byte pairs give one character, the first pair is the one iconv writes.
        for (unsigned lead = kLastLead; lead >= kFirstLead; --lead) {
            for (unsigned trail = kLastTrail; trail >= kFirstTrail; --trail) {
                if (const unsigned code = Decode(static_cast<unsigned char>(lead),
                                                 static_cast<unsigned char>(trail))) {
                    m_encode[code] = static_cast<uint16_t>((lead << 8) | trail);
                }
            }
        }
        if (m_euro != 0) {
            m_encode[m_euro] = 0x80;
        }
    }

    // The character of a lead and trail byte, or 0 when they are not a character.
    unsigned Decode(unsigned char lead, unsigned char trail) const {
        if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail) {
            return 0;
        }
        return m_decode[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)];
    }
    unsigned Euro() const { return m_euro; }
    // The one or two bytes of a character (a single byte below 0x100), or 0 for none.
    unsigned Encode(unsigned code) const { return code <= 0xFFFF ? m_encode[code] : 0; }

private:
    // A character of the Basic Multilingual Plane, or 0.
    static uint16_t DecodeWithIconv(std::string_view bytes) {
        std::string utf8;
        if (!FromCp936().Convert(bytes, utf8) || utf8.empty()) {
            return 0;
        }
        const long code = DecodeUtf8(utf8);
        return code > 0 && code <= 0xFFFF ? static_cast<uint16_t>(code) : 0;
    }

    std::array<uint16_t, (kLastLead - kFirstLead + 1) * kTrails> m_decode{};
    std::array<uint16_t, 0x10000> m_encode{};
    unsigned m_euro = 0;
};

const Cp936Tables& Tables() {
    static const Cp936Tables tables;
    return tables;
}

}  // namespace

std::string Cp936ToUtf8(std::string_view cp936) {
    if (IsAscii(cp936)) {
        return std::string(cp936);
    }
    const Cp936Tables& tables = Tables();
    std::string out;
    out.reserve(cp936.size() * 3 / 2);
    size_t i = 0;
    while (i < cp936.size()) {
        const auto byte = static_cast<unsigned char>(cp936[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++i;
            continue;
        }
        // A lead byte takes a trail byte; 0x80 alone is the euro sign.
        if (byte == 0x80 && tables.Euro() != 0) {
            AppendUtf8(out, tables.Euro());
            ++i;
            continue;
        }
        const unsigned code =
            i + 1 < cp936.size() && byte != 0x80
                ? tables.Decode(byte, static_cast<unsigned char>(cp936[i + 1]))
                : 0;
        if (code != 0) {
            AppendUtf8(out, code);
            i += 2;
        } else {
            AppendEscape(out, byte);
            ++i;
        }
    }
    return out;
}

namespace {

// Converts, writing '?' for a character code page 936 cannot hold; `lossless` tells whether any
// character was.
std::string EncodeCp936(std::string_view utf8, bool& lossless) {
    lossless = true;
    if (IsAscii(utf8)) {
        return std::string(utf8);
    }
    const Cp936Tables& tables = Tables();
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++i;
            continue;
        }
        if (const int escaped = EscapedByte(utf8.substr(i)); escaped >= 0x80) {
            out += static_cast<char>(escaped);
            i += 3;
            continue;
        }
        const size_t length = std::min(Utf8Length(byte), utf8.size() - i);
        const long code = DecodeUtf8(utf8.substr(i, length));
        const unsigned bytes = code > 0 ? tables.Encode(static_cast<unsigned>(code)) : 0;
        if (bytes == 0) {
            out += '?';
            lossless = lossless && code < 0;  // what is not UTF-8 has no other form either
        } else if (bytes < 0x100) {
            out += static_cast<char>(bytes);
        } else {
            out += static_cast<char>(bytes >> 8);
            out += static_cast<char>(bytes & 0xFF);
        }
        i += length;
    }
    return out;
}

void AppendUtf16Le(std::string& out, unsigned unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

}  // namespace

std::string Utf8ToCp936(std::string_view utf8) {
    bool lossless = true;
    return EncodeCp936(utf8, lossless);
}

std::optional<std::string> Utf8ToCp936Exactly(std::string_view utf8) {
    bool lossless = true;
    std::string cp936 = EncodeCp936(utf8, lossless);
    if (!lossless) {
        return std::nullopt;
    }
    return cp936;
}

std::string Utf16LeToUtf8(std::string_view utf16le) {
    static Converter converter("UTF-8", "UTF-16LE");
    std::string out;
    if (!converter.Convert(utf16le.substr(0, utf16le.size() & ~size_t{1}), out)) {
        // Unpaired surrogates and the like: keep what can be kept, character by character.
        for (size_t i = 0; i + 1 < utf16le.size(); i += 2) {
            if (!converter.Convert(utf16le.substr(i, 2), out)) {
                out += '?';
            }
        }
    }
    return out;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
    constexpr unsigned kReplacement = 0xFFFD;
    std::string out;
    out.reserve(utf8.size() * 2);
    size_t i = 0;
    while (i < utf8.size()) {
        const size_t length =
            std::min(Utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const long decoded = DecodeUtf8(utf8.substr(i, length));
        const unsigned code = decoded < 0 ? kReplacement : static_cast<unsigned>(decoded);
        if (code < 0x10000) {
            AppendUtf16Le(out, code);
        } else {
            AppendUtf16Le(out, 0xD800 + ((code - 0x10000) >> 10));
            AppendUtf16Le(out, 0xDC00 + ((code - 0x10000) & 0x3FF));
        }
        i += length;
    }
    return out;
}

}  // namespace velnor
