#pragma once

#include <string_view>

class QTextDocument;

namespace velnor {

// Reads RTF into a QTextDocument, replacing what it held: paragraphs with their alignment,
// indents and spacing; numbered and bulleted lists, from a list table (with their levels and
// number formats) or from \pn groups; tables as QTextTables with merged cells and borders; bold,
// italic, underline, strike-out, font, size, text and background colour, super- and subscript,
// with East Asian text taking the associated words (\dbch\af\afs\ab...) and other text the
// plain ones; text in code page 936 (\'hh), in Unicode (\uN) or in the font's own character
// set; PNG and JPEG pictures. Groups it does not understand are skipped and the text around
// them is kept. Damaged input (truncated, deeply nested, absurd numbers) gives what could be
// read; it never throws. Bytes that are not RTF at all are taken as plain text in code page 936.
void ReadRtf(std::string_view rtf, QTextDocument& document);

}  // namespace velnor
