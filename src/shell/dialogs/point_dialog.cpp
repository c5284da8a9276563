#include <QFormLayout>
#include <QLineEdit>

#include "editing/properties.h"
#include "model/document.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 点属性: the selected vertex's number (read only), label, whether the label shows, coordinates
// and colour. 修改 accepts, 关闭 leaves the vertex as it was.
bool AskPoint(const DialogContext& context, CommandParams& values) {
    constexpr int kMaxLabel = 3;
    const CGpage& page = context.doc.CurrentPage();
    const int index = page.m_selPoints.front();
    const VertexValues vertex = VertexValuesOf(page, index);
    ValuesDialog dialog(QStringLiteral("点属性"), QStringLiteral("pointDialog"), context.parent);
    auto* number = new QLineEdit(QString::number(index), &dialog);
    number->setObjectName(QStringLiteral("index"));
    number->setReadOnly(true);
    number->setFocusPolicy(Qt::NoFocus);
    dialog.Form().addRow(QStringLiteral("编号:"), number);
    QLineEdit* label = dialog.AddText("label", QString::fromStdString(vertex.label));
    label->setMaxLength(kMaxLabel);
    dialog.Form().addRow(QStringLiteral("标签:"), label);
    dialog.Form().addRow(QString(),
                         dialog.AddFlag("shown", QStringLiteral("显示标签"), vertex.shown));
    const Float3& p = vertex.position;
    dialog.Form().addRow(QStringLiteral("坐标:"),
                         dialog.AddVector({"x", "y", "z"}, {p[0], p[1], p[2]}));
    dialog.Form().addRow(QStringLiteral("颜色:"), dialog.AddColour(vertex.color));
    return RunValuesDialog(dialog, context, values, QStringLiteral("修改"), QStringLiteral("关闭"));
}

}  // namespace velnor
