#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

#include "buttons/button_modify.h"
#include "buttons/series_members.h"
#include "model/document.h"
#include "shell/dialogs/button_dialog_parts.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

void AddCaptionRows(ValuesDialog& dialog, const CGpage& page, const CBtCmd& button,
                    const QString& twoWayLabel) {
    dialog.Form().addRow(QStringLiteral("名称:"),
                         dialog.AddText("caption", QString::fromStdString(button.m_strCaption)));
    QCheckBox* twoWay = dialog.AddFlag("twoway", twoWayLabel, button.m_bTwoWay != 0);
    twoWay->setEnabled(!IsSeriesMember(page, button.m_nKey));
    dialog.Form().addRow(twoWay);
}

void AddUseSelectionRow(ValuesDialog& dialog) {
    dialog.Form().addRow(
        dialog.AddFlag("useselection", QStringLiteral("修改为当前已选取的图元为操作对象:"), false));
}

// The dialog of the one selected button, by its kind.
bool AskButton(const DialogContext& context, CommandParams& values) {
    CGpage& page = context.doc.CurrentPage();
    const CBtCmd* button = FindButton(page, page.m_selButtons.front());
    if (button == nullptr) {
        return false;
    }
    switch (button->m_nKind) {
        case kButtonShow:
            return AskShowButton(context, static_cast<const CBtnShow&>(*button), values);
        case kButtonTranslate:
            return AskTranslateButton(context, static_cast<const CBtnTranslate&>(*button), values);
        case kButtonRotate:
            return AskRotateButton(context, static_cast<const CBtnRotatef&>(*button), values);
        default:
            return AskSeriesButton(context, *button, values);
    }
}

}  // namespace velnor
