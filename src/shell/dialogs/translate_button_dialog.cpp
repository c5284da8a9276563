#include <QFormLayout>

#include "model/button_cells.h"
#include "model/document.h"
#include "shell/dialogs/button_dialog_parts.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 平移按钮属性定义: its vector, or the page's translation vector.
bool AskTranslateButton(const DialogContext& context, const CBtnTranslate& button,
                        CommandParams& values) {
    ValuesDialog dialog(QStringLiteral("平移按钮属性定义"), QStringLiteral("translateButtonDialog"),
                        context.parent);
    AddCaptionRows(dialog, context.doc.CurrentPage(), button, QStringLiteral("双向运动:"));
    const Float3& v = button.m_vector;
    dialog.Form().addRow(QStringLiteral("平移向量:"),
                         dialog.AddVector({"x", "y", "z"}, {v[0], v[1], v[2]}));
    dialog.Form().addRow(
        dialog.AddFlag("usepage", QStringLiteral("修改为当前已定义的平移向量:"), false));
    AddUseSelectionRow(dialog);
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
