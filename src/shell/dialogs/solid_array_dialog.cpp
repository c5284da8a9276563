#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editing/solid_array.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 组件阵列: a count (1..10) and a centre distance along each axis.
bool AskSolidArray(const DialogContext& context, CommandParams& values) {
    const SolidArrayLayout initial;
    ValuesDialog dialog(QStringLiteral("组件阵列"), QStringLiteral("solidArrayDialog"),
                        context.parent);
    auto* grid = new QGridLayout;
    const char* const axes[] = {"X", "Y", "Z"};
    const char* const counts[] = {"nx", "ny", "nz"};
    const char* const distances[] = {"dx", "dy", "dz"};
    for (int i = 0; i < 3; ++i) {
        const QString axis = QString::fromUtf8(axes[i]);
        grid->addWidget(new QLabel(axis + QStringLiteral("方向个数"), &dialog), i, 0);
        grid->addWidget(dialog.AddInteger(counts[i], initial.counts[i]), i, 1);
        grid->addWidget(new QLabel(axis + QStringLiteral("方向中心距"), &dialog), i, 2);
        grid->addWidget(dialog.AddNumber(distances[i], initial.distances[i]), i, 3);
    }
    dialog.Layout().addLayout(grid);
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
