#include <QLabel>

#include "editing/section_animation.h"
#include "model/document.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 截面动画: how far apart the parallel planes lie and how many there are.
bool AskSectionAnimation(const DialogContext& context, CommandParams& values) {
    SectionAnimationValues initial;
    initial.spacing =
        SpreadingSpacing(context.doc.CurrentPage(), initial.count).value_or(initial.spacing);
    ValuesDialog dialog(QStringLiteral("截面动画"), QStringLiteral("sectionAnimationDialog"),
                        context.parent);
    dialog.Form().addRow(QStringLiteral("平面间距:"), dialog.AddNumber("spacing", initial.spacing));
    dialog.Form().addRow(QStringLiteral("平面个数:"), dialog.AddInteger("count", initial.count));
    dialog.Layout().addWidget(new QLabel(
        QStringLiteral("从所选平面开始，沿法向朝图形一侧逐个作截面；间距为负时朝另一侧。"),
        &dialog));
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
