#include <QFormLayout>

#include "model/document.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 定义缩放比: the page's scale factors along x, y and z.
bool AskScale(const DialogContext& context, CommandParams& values) {
    const Float3& factors = context.doc.CurrentPage().m_scaleFactors;
    ValuesDialog dialog(QStringLiteral("定义缩放比"), QStringLiteral("scaleDialog"),
                        context.parent);
    dialog.Form().addRow(QStringLiteral("X方向"), dialog.AddNumber("sx", factors[0]));
    dialog.Form().addRow(QStringLiteral("Y方向"), dialog.AddNumber("sy", factors[1]));
    dialog.Form().addRow(QStringLiteral("Z方向"), dialog.AddNumber("sz", factors[2]));
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
