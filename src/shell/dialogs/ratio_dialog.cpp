#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "geometry/page_geometry.h"
#include "model/document.h"
#include "model/line_cell.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

namespace {

QString FirstSelectedLineName(const CGpage& page) {
    const CLineCell* line =
        page.m_selLines.empty() ? nullptr : FindLine(page, page.m_selLines.front());
    return line == nullptr ? QString() : QString::fromStdString(line->m_strName) + "...";
}

}  // namespace

// 输入定比: the line the point divides, and m over n under a fraction bar.
bool AskRatio(const DialogContext& context, CommandParams& values) {
    ValuesDialog dialog(QStringLiteral("输入定比"), QStringLiteral("ratioDialog"), context.parent);
    auto* grid = new QGridLayout;
    auto* line = new QLineEdit(FirstSelectedLineName(context.doc.CurrentPage()), &dialog);
    line->setObjectName(QStringLiteral("line"));
    line->setReadOnly(true);
    line->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(new QLabel(QStringLiteral("当前所选线段:"), &dialog), 0, 0);
    grid->addWidget(line, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("分所选线段的比:"), &dialog), 1, 0, 3, 1);
    grid->addWidget(dialog.AddInteger("m", 1), 1, 1);
    auto* bar = new QFrame(&dialog);
    bar->setFrameShape(QFrame::HLine);
    grid->addWidget(bar, 2, 1);
    grid->addWidget(dialog.AddInteger("n", 1), 3, 1);
    dialog.Layout().addLayout(grid);
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
