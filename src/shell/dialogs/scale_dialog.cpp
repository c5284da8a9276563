#include <QFormLayout>
#include <QVBoxLayout>

#include "model/document.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 定义缩放比: the page's scale factors along x, y and z.
bool AskScale(const DialogContext& context, CommandParams& values) {
    const Float3& factors = context.doc.CurrentPage().m_scaleFactors;
    ValuesDialog dialog(QStringLiteral("定义缩放比"), QStringLiteral("scaleDialog"),
                        context.parent);
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("X方向"), dialog.AddNumber("sx", factors[0]));
    form->addRow(QStringLiteral("Y方向"), dialog.AddNumber("sy", factors[1]));
    form->addRow(QStringLiteral("Z方向"), dialog.AddNumber("sz", factors[2]));
    layout->addLayout(form);
    dialog.AddButtons(*layout);
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
