#include "shell/save_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace velnor {

SaveChoice AskSaveFile(QWidget* parent, const QString& title, const QList<SaveFileType>& types,
                       const QString& defaultName) {
    QStringList filters;
    for (const SaveFileType& type : types) {
        filters << type.filter;
    }
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
    dialog.selectFile(defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    SaveChoice choice{
        dialog.selectedFiles().front(),
        static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
    if (QFileInfo(choice.path).suffix().isEmpty()) {
        choice.path += "." + types[choice.type].extension;
    }
    return choice;
}

}  // namespace velnor
