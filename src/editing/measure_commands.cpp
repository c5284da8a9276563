#include "editing/measure_commands.h"

#include "editing/record_additions.h"
#include "geometry/measure_enabling.h"
#include "geometry/measure_text.h"
#include "model/document.h"
#include "model/refresh_hint.h"

namespace velnor {

bool RunMeasureCommand(CPlomDoc& doc, int request) {
    if (!AddMeasureText(doc.CurrentPage(), request)) {
        return false;
    }
    RecordAdditions(doc, MeasureUndoName(request), {.texts = 1});
    doc.Refresh(kHintRedraw);
    return true;
}

}  // namespace velnor
