#include "persistence/cp936.h"

#include <iconv.h>

#include <algorithm>
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

Converter& ToCp936() {
    static Converter converter("CP936", "UTF-8");
    return converter;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void AppendEscape(std::string& out, unsigned char byte) {
    const unsigned code = 0xDC00 + byte;  // U+DC80..U+DCFF in UTF-8's three-byte form
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
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

}  // namespace

std::string Cp936ToUtf8(std::string_view cp936) {
    if (IsAscii(cp936)) {
        return std::string(cp936);
    }
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
        const size_t length = (byte == 0x80 || i + 1 >= cp936.size()) ? 1 : 2;
        if (FromCp936().Convert(cp936.substr(i, length), out)) {
            i += length;
        } else {
            AppendEscape(out, byte);
            ++i;
        }
    }
    return out;
}

std::string Utf8ToCp936(std::string_view utf8) {
    if (IsAscii(utf8)) {
        return std::string(utf8);
    }
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
        if (!ToCp936().Convert(utf8.substr(i, length), out)) {
            out += '?';
        }
        i += length;
    }
    return out;
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

}  // namespace velnor
