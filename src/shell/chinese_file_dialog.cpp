#include "shell/chinese_file_dialog.h"

#include <QFileDialog>

#include "shell/chinese_file_model.h"

namespace velnor {

namespace {

QString AskFileName(QWidget* parent, const QString& title, const QString& filter,
                    QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, title, {}, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    ListInChinese(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

}  // namespace

void ListInChinese(QFileDialog& dialog) {
    // Only Qt's own dialog can show its files through a proxy.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new ChineseFileModel(&dialog));
}

QString AskOpenFileName(QWidget* parent, const QString& title, const QString& filter) {
    return AskFileName(parent, title, filter, QFileDialog::AcceptOpen);
}

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filter) {
    return AskFileName(parent, title, filter, QFileDialog::AcceptSave);
}

}  // namespace velnor
