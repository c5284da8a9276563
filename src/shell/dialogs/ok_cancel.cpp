#include "shell/dialogs/ok_cancel.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>

namespace velnor {

bool ExecWithOkCancel(QDialog& dialog, QBoxLayout* layout) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace velnor
