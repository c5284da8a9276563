#include "output/save_through.h"

#include <QBuffer>

#include <filesystem>

#include "persistence/archive_error.h"
#include "persistence/file_replacing.h"

namespace velnor {

QString SaveThrough(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer)) {
        return QStringLiteral("无法写入文件 %1: %2").arg(path, buffer.errorString());
    }
    const QByteArray& bytes = buffer.data();
    try {
        WriteFileReplacing(std::filesystem::path(path.toStdU16String()),
                           {reinterpret_cast<const uint8_t*>(bytes.constData()),
                            static_cast<size_t>(bytes.size())});
    } catch (const ArchiveError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

}  // namespace velnor
