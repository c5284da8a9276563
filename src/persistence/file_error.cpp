#include "persistence/file_error.h"

#include <cerrno>
#include <cstring>

#include "persistence/archive_error.h"

namespace velnor {

namespace {

// The reasons a teacher meets most, in the program's language; the rest as the system says them.
std::string ReasonOf(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "文件或文件夹不存在";
        case EACCES:
        case EPERM:
            return "没有访问它的权限";
        case ENOSPC:
        case EDQUOT:
            return "磁盘已满";
        case EROFS:
            return "这里是只读的文件系统";
        case ENAMETOOLONG:
            return "文件名太长";
        case EISDIR:
            return "这是一个文件夹";
        default:
            return std::strerror(errorNumber);
    }
}

}  // namespace

void ThrowFileError(const std::filesystem::path& path, const std::string& what, int errorNumber) {
    throw ArchiveError(what + " " + path.string() + "：" + ReasonOf(errorNumber));
}

}  // namespace velnor
