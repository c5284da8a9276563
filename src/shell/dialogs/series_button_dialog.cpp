
#include "model/button_cells.h"
#include "model/document.h"
#include "shell/dialogs/button_dialog_parts.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 系列按钮属性定义: the caption and two-way motion of a parallel or serial series.
bool AskSeriesButton(const DialogContext& context, const CBtCmd& button, CommandParams& values) {
    ValuesDialog dialog(QStringLiteral("系列按钮属性定义"), QStringLiteral("seriesButtonDialog"),
                        context.parent);
    AddCaptionRows(dialog, context.doc.CurrentPage(), button, QStringLiteral("双向           "));
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
