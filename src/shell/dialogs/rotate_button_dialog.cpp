#include <QFormLayout>

#include "model/button_cells.h"
#include "model/document.h"
#include "shell/dialogs/button_dialog_parts.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 旋转按钮属性定义: its angle and axis, or the page's rotation definitions.
bool AskRotateButton(const DialogContext& context, const CBtnRotatef& button,
                     CommandParams& values) {
    ValuesDialog dialog(QStringLiteral("旋转按钮属性定义"), QStringLiteral("rotateButtonDialog"),
                        context.parent);
    AddCaptionRows(dialog, context.doc.CurrentPage(), button, QStringLiteral("双向运动:"));
    dialog.Form().addRow(QStringLiteral("旋转角度:"), dialog.AddNumber("angle", button.m_angle));
    const Float3& d = button.m_axisDir;
    const Float3& p = button.m_axisPoint;
    dialog.Form().addRow(QStringLiteral("旋转轴方程:\n  (点向式\n自动单位化\n方向向量)"),
                         dialog.AddVector({"dx", "dy", "dz"}, {d[0], d[1], d[2]}));
    dialog.Form().addRow(QString(), dialog.AddVector({"px", "py", "pz"}, {p[0], p[1], p[2]}));
    dialog.Form().addRow(
        dialog.AddFlag("usepage", QStringLiteral("修改为当前已定义的旋转轴与旋转角:"), false));
    AddUseSelectionRow(dialog);
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
