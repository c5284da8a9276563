#pragma once

#include "richtext/rtf_state.h"
#include "richtext/rtf_tokenizer.h"

namespace velnor {

// Words that change the character or paragraph format of the current group; false for any other
// word.
bool ApplyCharacterWord(const RtfControlWord& control, RtfCharState& chars);
bool ApplyParagraphWord(const RtfControlWord& control, RtfParaState& para);

}  // namespace velnor
