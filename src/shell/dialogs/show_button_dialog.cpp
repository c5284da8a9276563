
#include "model/button_cells.h"
#include "model/document.h"
#include "shell/dialogs/button_dialog_parts.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 隐藏显示按钮属性定义.
bool AskShowButton(const DialogContext& context, const CBtnShow& button, CommandParams& values) {
    ValuesDialog dialog(QStringLiteral("隐藏显示按钮属性定义"), QStringLiteral("showButtonDialog"),
                        context.parent);
    AddCaptionRows(dialog, context.doc.CurrentPage(), button, QStringLiteral("双向运动:"));
    AddUseSelectionRow(dialog);
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
