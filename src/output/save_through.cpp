#include "output/save_through.h"

#include <QSaveFile>

namespace velnor {

QString SaveThrough(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit()) {
        return QStringLiteral("无法写入文件 %1: %2").arg(path, file.errorString());
    }
    return {};
}

}  // namespace velnor
