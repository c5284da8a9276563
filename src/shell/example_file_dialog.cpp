#include "shell/example_file_dialog.h"

#include <QHeaderView>
#include <QTreeView>

#include "shell/chinese_file_dialog.h"

namespace velnor {

namespace {

constexpr int kWidth = 820;
constexpr int kHeight = 480;

}  // namespace

ExampleFileDialog::ExampleFileDialog(const QString& folder, QWidget* parent)
    : QFileDialog(parent, QStringLiteral("示例文件"), folder, QStringLiteral("Velnor文件(*.plm)")) {
    setObjectName(QStringLiteral("ExampleFileDialog"));
    // Qt's own dialog, whose list can be told to leave out folders.
    ListInChinese(*this);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setDefaultSuffix(QStringLiteral("plm"));
    setFilter(QDir::Files);
    setViewMode(QFileDialog::Detail);
    resize(kWidth, kHeight);
    FitColumns();
}

QString ExampleFileDialog::Choose() {
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty()) {
        return {};
    }
    return selectedFiles().front();
}

// The name takes the room that is left; size, type and date always show whole.
void ExampleFileDialog::FitColumns() {
    auto* view = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (view == nullptr) {
        return;
    }
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
}

}  // namespace velnor
