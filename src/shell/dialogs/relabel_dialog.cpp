#include <QFormLayout>
#include <QLineEdit>

#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 批量修改标签: the letter of the first selected vertex and the suffix after every letter.
bool AskRelabel(const DialogContext& context, CommandParams& values) {
    ValuesDialog dialog(QStringLiteral("批量修改标签"), QStringLiteral("relabelDialog"),
                        context.parent);
    QLineEdit* letter = dialog.AddText("letter", QStringLiteral("A"));
    letter->setMaxLength(1);
    dialog.Form().addRow(QStringLiteral("起始字母:"), letter);
    dialog.Form().addRow(QStringLiteral("下标:"), dialog.AddText("suffix", QString()));
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
