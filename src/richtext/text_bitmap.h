#pragma once

#include <QFont>

#include "model/text_renderer_seam.h"

class QTextDocument;

namespace velnor {

// The font a new text starts with in the text editor and that scripts draw their texts in.
QFont DefaultTextFont();

// The document as the text editor hands it over: drawn as a one-bit bitmap just large enough for
// its lines (each paragraph on one line unless it breaks itself), with its RTF and plain text.
EditedText RenderEditedText(const QTextDocument& document);

}  // namespace velnor
