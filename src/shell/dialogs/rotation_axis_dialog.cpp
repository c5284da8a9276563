#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "model/document.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 点变换 旋转轴定义: the page's rotation axis as a line in point-direction form.
bool AskRotationAxis(const DialogContext& context, CommandParams& values) {
    const CGpage& page = context.doc.CurrentPage();
    const Float3& direction = page.m_axisDir;
    const Float3& point = page.m_axisPoint;
    ValuesDialog dialog(QStringLiteral("点变换 旋转轴定义"), QStringLiteral("rotationAxisDialog"),
                        context.parent);
    dialog.Layout().addWidget(new QLabel(QStringLiteral("自定义旋转轴(点向式直线方程):"), &dialog));
    dialog.Form().addRow(
        QStringLiteral("旋转轴方向:\n(自动单位化)"),
        dialog.AddVector({"dx", "dy", "dz"}, {direction[0], direction[1], direction[2]}));
    dialog.Form().addRow(QStringLiteral("旋转轴上点:"),
                         dialog.AddVector({"px", "py", "pz"}, {point[0], point[1], point[2]}));
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
