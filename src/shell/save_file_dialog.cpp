#include "shell/save_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "shell/chinese_file_dialog.h"

namespace velnor {

QString WithExtension(const QString& path, const QString& extension) {
    return QFileInfo(path).suffix().isEmpty() ? path + "." + extension : path;
}

SaveChoice AskSaveFile(QWidget* parent, const QString& title, const QList<SaveFileType>& types,
                       const QString& defaultName) {
    QStringList filters;
    for (const SaveFileType& type : types) {
        filters << type.filter;
    }
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    ListInChinese(dialog);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
    dialog.selectFile(defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    SaveChoice choice{
        dialog.selectedFiles().front(),
        static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
    choice.path = WithExtension(choice.path, types[choice.type].extension);
    return choice;
}

}  // namespace velnor
