#include "shell/dialogs/region_size_dialog.h"

#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "shell/dialogs/ok_cancel.h"
#include "view/images/view_image.h"

namespace velnor {

namespace {

QSpinBox* SideBox(int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(1, CViewImage::kLargestRegionSide);
    box->setValue(value);
    box->setSuffix(QStringLiteral(" 像素"));
    return box;
}

}  // namespace

std::optional<RegionSize> AskRegionSize(const RegionSize& current, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("RegionSizeDialog"));
    dialog.setWindowTitle(QStringLiteral("设置区域"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("为选取图象区域预设宽度和高度:"), &dialog));
    auto* form = new QFormLayout;
    QSpinBox* width = SideBox(current.width, &dialog);
    QSpinBox* height = SideBox(current.height, &dialog);
    width->setObjectName(QStringLiteral("width"));
    height->setObjectName(QStringLiteral("height"));
    form->addRow(QStringLiteral("宽度"), width);
    form->addRow(QStringLiteral("高度"), height);
    layout->addLayout(form);
    if (!ExecWithOkCancel(dialog, layout)) {
        return std::nullopt;
    }
    return RegionSize{width->value(), height->value()};
}

}  // namespace velnor
