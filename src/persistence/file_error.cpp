#include "persistence/file_error.h"

#include <cstring>

#include "persistence/archive_error.h"

namespace velnor {

void ThrowFileError(const std::filesystem::path& path, const std::string& what, int errorNumber) {
    throw ArchiveError(what + " " + path.string() + "：" + std::strerror(errorNumber));
}

}  // namespace velnor
