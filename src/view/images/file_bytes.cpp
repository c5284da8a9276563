#include "view/images/file_bytes.h"

#include <filesystem>

#include "persistence/archive_error.h"
#include "persistence/file_replacing.h"

namespace velnor {

QString SaveFileBytes(const QString& path, const QByteArray& bytes) {
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
