#include <QFormLayout>

#include "model/document.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 平移: the page's translation vector, when the selection does not give it.
bool AskTranslation(const DialogContext& context, CommandParams& values) {
    const Float3& vector = context.doc.CurrentPage().m_translation;
    ValuesDialog dialog(QStringLiteral("平移"), QStringLiteral("translationDialog"),
                        context.parent);
    dialog.Form().addRow(QStringLiteral("平移向量:"),
                         dialog.AddVector({"x", "y", "z"}, {vector[0], vector[1], vector[2]}));
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
