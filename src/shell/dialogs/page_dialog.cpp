#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/document.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 页属性: the page's display mode, and its clip plane, editable while 裁剪 is ticked.
bool AskPage(const DialogContext& context, CommandParams& values) {
    const CGpage& page = context.doc.CurrentPage();
    ValuesDialog dialog(QStringLiteral("页属性"), QStringLiteral("pageDialog"), context.parent);
    const QStringList schemes{QStringLiteral("自动"), QStringLiteral("几何"),
                              QStringLiteral("美景"), QStringLiteral("透明"),
                              QStringLiteral("火红"), QStringLiteral("迷彩")};
    dialog.Form().addRow(QStringLiteral("显示模式"),
                         dialog.AddChoice("scheme", schemes, static_cast<int>(page.m_nScheme)));
    auto* clipRow = new QHBoxLayout;
    QCheckBox* clip = dialog.AddFlag("clip", QStringLiteral("裁剪："), page.m_bClip != 0);
    const Plane& plane = page.m_clipPlane;
    QWidget* planeFields =
        dialog.AddPlane({"a", "b", "c", "d"}, {plane[0], plane[1], plane[2], plane[3]});
    clipRow->addWidget(clip);
    clipRow->addWidget(planeFields);
    dialog.Layout().addLayout(clipRow);
    planeFields->setEnabled(clip->isChecked());
    QObject::connect(clip, &QCheckBox::toggled, planeFields, &QWidget::setEnabled);
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
