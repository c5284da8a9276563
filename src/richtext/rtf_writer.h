#pragma once

#include <string>

class QTextDocument;

namespace velnor {

// The document as RTF that word processors open with the same formatting and that ReadRtf reads
// back to the same document: paragraphs with alignment, indents and spacing; lists through a
// list table, with their levels and number formats; tables as RTF rows with merged cells and
// borders; bold, italic, underline, strike-out, font, size, colours, super- and subscript, with
// the associated words too where there is East Asian text; Chinese and other text as \uN with
// code page 936 bytes for readers without Unicode; pictures as PNG. The result is 7-bit ASCII.
std::string WriteRtf(const QTextDocument& document);

}  // namespace velnor
