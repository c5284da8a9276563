#include "shell/dialogs/net_paper_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "output/paper_net.h"
#include "shell/dialogs/ok_cancel.h"

namespace velnor {

namespace {

const std::pair<PaperKind, const char*> kPapers[] = {
    {PaperKind::kA4, "A4"}, {PaperKind::kA3, "A3"}, {PaperKind::kLetter, "Letter"}};

QDoubleSpinBox* ScaleBox(double value, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QStringLiteral("scale"));
    box->setRange(kLeastNetScale, kMostNetScale);
    box->setDecimals(2);
    box->setSingleStep(0.1);
    box->setValue(value);
    box->setSuffix(QStringLiteral(" 厘米"));
    return box;
}

QComboBox* PaperBox(PaperKind value, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("paper"));
    for (const auto& [paper, name] : kPapers) {
        box->addItem(QString::fromLatin1(name), static_cast<int>(paper));
    }
    box->setCurrentIndex(box->findData(static_cast<int>(value)));
    return box;
}

}  // namespace

std::optional<NetPaperChoice> AskNetPaper(
    const NetPaperChoice& current, const std::function<int(const NetPaperChoice&)>& sheetCount,
    QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("NetPaperDialog"));
    dialog.setWindowTitle(QStringLiteral("打印展开图"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(
        QStringLiteral("展开图按实际大小打印：比例为1时，图中的1个单位印成1厘米。"), &dialog));
    auto* form = new QFormLayout;
    QDoubleSpinBox* scale = ScaleBox(current.scale, &dialog);
    QComboBox* paper = PaperBox(current.paper, &dialog);
    form->addRow(QStringLiteral("1个单位印成"), scale);
    form->addRow(QStringLiteral("纸张"), paper);
    layout->addLayout(form);
    auto* sheets = new QLabel(&dialog);
    sheets->setObjectName(QStringLiteral("sheets"));
    layout->addWidget(sheets);
    const auto choice = [&] {
        return NetPaperChoice{scale->value(), static_cast<PaperKind>(paper->currentData().toInt())};
    };
    const auto count = [&] {
        const int n = sheetCount(choice());
        sheets->setText(
            n == 1 ? QStringLiteral("需要1张纸。")
                   : QStringLiteral("需要%1张纸，相邻的纸有1厘米重叠，按标记对齐后粘好。").arg(n));
    };
    QObject::connect(scale, &QDoubleSpinBox::valueChanged, &dialog, count);
    QObject::connect(paper, &QComboBox::currentIndexChanged, &dialog, count);
    count();
    if (!ExecWithOkCancel(dialog, layout)) {
        return std::nullopt;
    }
    return choice();
}

}  // namespace velnor
