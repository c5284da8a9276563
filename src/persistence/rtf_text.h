#pragma once

#include <string>
#include <string_view>

namespace velnor {

// The notes of a document are stored as RTF. The notes pane edits plain text, so these two carry
// the text across: formatting is dropped on reading and a plain RTF is written back.

// The text of an RTF document as UTF-8: paragraphs become line breaks; font tables, colour tables,
// pictures and other destinations are skipped; \'hh bytes are read as code page 936 and \uN as
// Unicode. Input that is not RTF at all is taken as plain code page 936 text.
std::string RtfToText(std::string_view rtf);

// A plain RTF document (code page 936, one font) holding the UTF-8 text; each line becomes one
// paragraph. RtfToText gives the text back unchanged.
std::string TextToRtf(std::string_view text);

}  // namespace velnor
