#pragma once

#include "commands/command_entry.h"

namespace velnor {

class CPlomDoc;

// The definitions of the current page's transformations. Without values, the translation and the
// axis are taken from the selection when it gives them, and otherwise need the dialog's values;
// with values, the values are what the dialog returned. The angle and the scale always come from
// their dialog; a value left out keeps the page's current one, as the dialog shows it.
CommandOutcome DefineTranslation(CPlomDoc& doc, const CommandParams& params);
CommandOutcome DefineRotationAxis(CPlomDoc& doc, const CommandParams& params);
CommandOutcome DefineRotationAngle(CPlomDoc& doc, const CommandParams& params);
CommandOutcome DefineScaleFactors(CPlomDoc& doc, const CommandParams& params);

}  // namespace velnor
