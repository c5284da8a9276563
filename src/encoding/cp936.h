#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velnor {

// Text is UTF-8 in memory and code page 936 in files and on the clipboard. The conversion is
// lossless for stored bytes: a byte that is not valid code page 936 is carried through UTF-8 as
// an escape (U+DC80..U+DCFF, as Python's "surrogateescape" does) and comes back out unchanged.

std::string Cp936ToUtf8(std::string_view cp936);

// Text of 7-bit characters only, which reads the same in both encodings.
inline bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// Characters that code page 936 cannot hold become '?'.
std::string Utf8ToCp936(std::string_view utf8);

// The same, or nothing when a character has no code page 936 form.
std::optional<std::string> Utf8ToCp936Exactly(std::string_view utf8);

// Converts UTF-16LE bytes (as stored by 16-bit archive strings) to UTF-8.
std::string Utf16LeToUtf8(std::string_view utf16le);

// Converts UTF-8 to UTF-16LE bytes; a sequence that is not UTF-8 becomes U+FFFD.
std::string Utf8ToUtf16Le(std::string_view utf8);

}  // namespace velnor
