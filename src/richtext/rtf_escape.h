#pragma once

#include <QString>

#include <string>

namespace velnor {

// A byte as \'hh.
std::string RtfHexByte(unsigned char byte);

// Text as 7-bit RTF: \, { and } escaped, tabs, line breaks and no-break spaces as their words,
// and every other character past ASCII as \uN followed by its two code page 936 bytes (or ??)
// for readers without Unicode; the document says \uc2.
std::string EscapeRtfText(const QString& text);

}  // namespace velnor
