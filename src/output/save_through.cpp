#include "output/save_through.h"

#include <QBuffer>

#include "view/images/file_bytes.h"

namespace velnor {

QString SaveThrough(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer)) {
        return QStringLiteral("无法写入文件 %1: %2").arg(path, buffer.errorString());
    }
    return SaveFileBytes(path, buffer.data());
}

QString SaveTextThrough(const QString& path, const std::string& text) {
    return SaveThrough(path, [&text](QIODevice& file) {
        return file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
    });
}

}  // namespace velnor
