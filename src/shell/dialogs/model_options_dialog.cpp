#include "shell/dialogs/model_options_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

#include "shell/dialogs/ok_cancel.h"

namespace velnor {

namespace {

// The units in the order of the list.
constexpr ModelUnit kUnits[] = {ModelUnit::kMillimetre, ModelUnit::kCentimetre, ModelUnit::kMetre,
                                ModelUnit::kInch};

QDoubleSpinBox* NumberBox(const char* name, double low, double high, double value,
                          QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(3);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

// A radius of 0 leaves the tubes or balls out, and the box says so.
QDoubleSpinBox* RadiusBox(const char* name, double value, QWidget* parent) {
    QDoubleSpinBox* box = NumberBox(name, 0.0, kLargestModelRadius, value, parent);
    box->setSingleStep(0.05);
    box->setSpecialValueText(QStringLiteral("不要"));
    return box;
}

}  // namespace

std::optional<ModelOptions> AskModelOptions(const ModelOptions& current, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ModelOptionsDialog"));
    dialog.setWindowTitle(QStringLiteral("模型选项"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(
        QStringLiteral("面和组件总会写入模型；线和点要写入时，请给出管子和小球的半径:"), &dialog));
    auto* form = new QFormLayout;
    QDoubleSpinBox* tubes = RadiusBox("tubes", current.tubeRadius, &dialog);
    QDoubleSpinBox* balls = RadiusBox("balls", current.ballRadius, &dialog);
    auto* unit = new QComboBox(&dialog);
    unit->setObjectName(QStringLiteral("unit"));
    unit->addItems({QStringLiteral("毫米"), QStringLiteral("厘米"), QStringLiteral("米"),
                    QStringLiteral("英寸")});
    unit->setCurrentIndex(static_cast<int>(
        std::find(std::begin(kUnits), std::end(kUnits), current.unit) - std::begin(kUnits)));
    QDoubleSpinBox* scale =
        NumberBox("scale", kLowestModelScale, kHighestModelScale, current.scale, &dialog);
    form->addRow(QStringLiteral("线画成管子，半径:"), tubes);
    form->addRow(QStringLiteral("点画成小球，半径:"), balls);
    form->addRow(QStringLiteral("图中一个单位为:"), unit);
    form->addRow(QStringLiteral("放大倍数:"), scale);
    layout->addLayout(form);
    if (!ExecWithOkCancel(dialog, layout)) {
        return std::nullopt;
    }
    return ModelOptions{tubes->value(), balls->value(), kUnits[unit->currentIndex()],
                        scale->value()};
}

}  // namespace velnor
