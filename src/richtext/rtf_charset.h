#pragma once

#include <QString>

#include <string>

namespace velnor {

inline constexpr int kCharsetAnsi = 0;
inline constexpr int kCharsetDefault = 1;
inline constexpr int kCharsetGb2312 = 134;
inline constexpr int kCodePage936 = 936;

// Text bytes of a font with `charset` in a document of `codePage`. Bytes are code page 936 in a
// Chinese font. In a font of the ANSI set they are the document's code page, though writers also
// put Western bytes there (a² as a\'b2): bytes that are not valid code page 936 read as Latin-1,
// as do symbol and other sets.
QString DecodeRtfBytes(const std::string& bytes, int charset, int codePage);

}  // namespace velnor
