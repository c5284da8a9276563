#include <QFormLayout>

#include "model/document.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 旋转角: the page's rotation angle in degrees.
bool AskRotationAngle(const DialogContext& context, CommandParams& values) {
    ValuesDialog dialog(QStringLiteral("旋转角"), QStringLiteral("rotationAngleDialog"),
                        context.parent);
    dialog.Form().addRow(QStringLiteral("旋转角度:"),
                         dialog.AddNumber("angle", context.doc.CurrentPage().m_fAngle));
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
