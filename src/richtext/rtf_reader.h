#pragma once

#include <string_view>

class QTextDocument;

namespace velnor {

// Reads RTF into a QTextDocument, replacing what it held: paragraphs with their alignment,
// indents, spacing and bullets or numbers; bold, italic, underline, strike-out, font, size, text
// and background colour, super- and subscript; text in code page 936 (\'hh), in Unicode (\uN) or
// in the font's own character set; PNG and JPEG pictures. Groups it does not understand are
// skipped and the text around them is kept. Damaged input (truncated, deeply nested, absurd
// numbers) gives what could be read; it never throws. Bytes that are not RTF at all are taken as
// plain text in code page 936.
void ReadRtf(std::string_view rtf, QTextDocument& document);

}  // namespace velnor
