#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/subassembly.h"
#include "model/text_renderer_seam.h"

namespace velnor {

class CPlomDoc;

// Refusal of a text with nothing but blanks in it.
inline constexpr const char* kNoTextMessage = "还未输入文本，请按关闭按钮！";

bool IsBlankText(std::string_view utf8);

// The name of a bitmap text: "文本：" and the plain text on one line; a text of more than 5 bytes
// in code page 936 keeps its first 4 bytes (whole characters only) followed by "...".
std::string RichTextName(std::string_view plainText);

// Adds the edited text to the current page as a CBitRtfText in the scene's text colour, recorded
// as "添加文本", and returns its key. Without a position it hangs where a new bitmap text does by
// default. A blank text is refused with kNoTextMessage.
std::optional<uint16_t> AddRichText(CPlomDoc& doc, EditedText text,
                                    std::optional<Float3> position = std::nullopt);

// Puts the edited text in place of the rich text with that key (its place, colour and material
// stay), recorded as one undoable "修改文本". A blank text is refused as above; a key that is not a
// rich text of the current page changes nothing. Returns whether the text was replaced.
bool ReplaceRichText(CPlomDoc& doc, uint16_t key, EditedText text);

}  // namespace velnor
