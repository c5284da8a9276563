#include <QColorDialog>

#include <string>

#include "commands/command_ids.h"
#include "model/document.h"
#include "model/gl_model.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/rgb_colour.h"

namespace velnor {

namespace {

// The colour the picker opens with: the first selected vertex's, or the text colour.
QColor CurrentColour(const DialogContext& context) {
    if (context.entry.id == cmd::kTextColour) {
        return ToQColor(context.doc.Settings().m_textColor);
    }
    const CGpage& page = context.doc.CurrentPage();
    if (page.m_selPoints.empty()) {
        return QColor(Qt::green);
    }
    const Float3& colour = page.m_color[page.m_selPoints.front()];
    return QColor::fromRgbF(colour[0], colour[1], colour[2]);
}

}  // namespace

// 修改点的颜色 and 修改文本颜色: the colour picker, under the command's own name.
bool AskColour(const DialogContext& context, CommandParams& values) {
    QColorDialog picker(CurrentColour(context), context.parent);
    picker.setObjectName(QStringLiteral("colourDialog"));
    picker.setWindowTitle(QString::fromStdString(context.entry.text));
    picker.setOption(QColorDialog::DontUseNativeDialog);
    if (picker.exec() != QDialog::Accepted) {
        return false;
    }
    const QColor chosen = picker.selectedColor();
    values.Set("r", std::to_string(chosen.red()));
    values.Set("g", std::to_string(chosen.green()));
    values.Set("b", std::to_string(chosen.blue()));
    return true;
}

}  // namespace velnor
