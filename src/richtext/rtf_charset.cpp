#include "richtext/rtf_charset.h"

#include "encoding/cp936.h"

namespace velnor {

namespace {

// Cp936ToUtf8 carries invalid bytes as U+DC80..U+DCFF, whose UTF-8 starts ED B2 or ED B3.
bool HasInvalidBytes(const std::string& utf8) {
    return utf8.find("\xED\xB2") != std::string::npos || utf8.find("\xED\xB3") != std::string::npos;
}

}  // namespace

QString DecodeRtfBytes(const std::string& bytes, int charset, int codePage) {
    const bool ansi =
        (charset == kCharsetAnsi || charset == kCharsetDefault) && codePage == kCodePage936;
    if (charset == kCharsetGb2312 || ansi) {
        const std::string utf8 = Cp936ToUtf8(bytes);
        if (charset == kCharsetGb2312 || !HasInvalidBytes(utf8)) {
            return QString::fromStdString(utf8);
        }
    }
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace velnor
