#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <map>

#include "geometry/figure_fields.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

namespace {

QStringList FigureTypeNames() {
    QStringList names;
    for (int type = 0; type < kFigureTypeCount; ++type) {
        names << QString::fromUtf8(FigureTypeName(type));
    }
    return names;
}

}  // namespace

// 创建图元集: the figure list beside the sizes it uses and the centre. Choosing a figure greys
// the sizes it does not use and puts r and Z where that figure is usually made.
bool AskFigureSet(const DialogContext& context, CommandParams& values) {
    const FigureSetValues initial;
    ValuesDialog dialog(QStringLiteral("创建图元集"), QStringLiteral("figureSetDialog"),
                        context.parent);
    auto* columns = new QHBoxLayout;
    dialog.Layout().addLayout(columns);

    auto* typeColumn = new QVBoxLayout;
    QListWidget* types = dialog.AddList("type", FigureTypeNames(), initial.type);
    auto* typeLabel = new QLabel(QStringLiteral("图的类型:"), &dialog);
    typeLabel->setBuddy(types);
    typeColumn->addWidget(typeLabel);
    typeColumn->addWidget(types);
    columns->addLayout(typeColumn);

    auto* sizes = new QFormLayout;
    std::map<FigureField, QLineEdit*> fields;
    for (const FigureFieldInfo& info : FigureFields()) {
        const double value = FigureFieldValue(initial, info.field);
        const std::string name = info.valueName;
        QLineEdit* field = info.integer ? dialog.AddInteger(name, static_cast<int>(value))
                                        : dialog.AddNumber(name, value);
        sizes->addRow(QString::fromUtf8(info.label), field);
        fields[info.field] = field;
    }
    auto* centre = new QGroupBox(QStringLiteral("中心"), &dialog);
    auto* centreForm = new QFormLayout(centre);
    centreForm->addRow(QStringLiteral("X:"), dialog.AddNumber("X", initial.x));
    centreForm->addRow(QStringLiteral("Y:"), dialog.AddNumber("Y", initial.y));
    QLineEdit* z = dialog.AddNumber("Z", initial.z);
    centreForm->addRow(QStringLiteral("Z:"), z);
    sizes->addRow(centre);
    columns->addLayout(sizes);

    const auto showType = [&](int type, bool reset) {
        const unsigned enabled = EnabledFigureFields(type);
        for (const auto& [field, edit] : fields) {
            edit->setEnabled((enabled & field) != 0);
        }
        if (reset) {
            FigureSetValues chosen;
            ChooseFigureType(chosen, type);
            fields[kFieldRadius]->setText(QString::number(chosen.radius));
            z->setText(QString::number(chosen.z));
        }
    };
    showType(initial.type, false);
    QObject::connect(types, &QListWidget::currentRowChanged, &dialog,
                     [&](int type) { showType(type, true); });
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
