#pragma once

#include <QIdentityProxyModel>

namespace velnor {

// What Qt's own file dialog lists, in Chinese. The dialog's texts come from Qt's translations,
// but its QFileSystemModel writes sizes ("KiB") and dates in the system locale and names types
// from the icon provider ("Folder") and the MIME database ("PNG image", "unknown"): under an
// English or C locale all of that stayed English. Seen through this proxy, the size, type and date
// columns and the headers are written in Chinese whatever the locale of the machine.
class ChineseFileModel : public QIdentityProxyModel {
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

}  // namespace velnor
