#include "persistence/file_replacing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <string_view>

#include "persistence/archive_error.h"
#include "persistence/file_error.h"

namespace velnor {

namespace {

// As the kernel: a chain of more links than this is a loop.
constexpr int kMaxLinks = 40;
constexpr mode_t kPermissionBits = 07777;

// The file a path names once its symbolic links are followed; it need not exist yet.
std::filesystem::path FollowLinks(std::filesystem::path path) {
    for (int links = 0; links < kMaxLinks; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) {
            return path;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            ThrowFileError(path, "不能读取符号链接", error.value());
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    ThrowFileError(path, "符号链接过多", ELOOP);
}

// A save puts a new file in the old one's place; a pipe, a device or a folder has no content a
// save could replace, and a rename over it would take its place in the folder.
void RefuseAllButRegularFile(const std::filesystem::path& target) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(target, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw ArchiveError("不能保存到 " + target.string() + "：它不是普通文件");
    }
}

// The target's own name with a unique ending, cut short where the whole would be longer than a
// folder entry may be, so that any name a document may have can be saved.
std::string TemporaryName(const std::filesystem::path& target) {
    constexpr std::string_view kEnding = ".saving-XXXXXX";
    std::string name = target.filename().string();
    if (name.size() + kEnding.size() > NAME_MAX) {
        size_t cut = NAME_MAX - kEnding.size();
        // Not inside a character: a byte 10xxxxxx continues the one before.
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        name.resize(cut);
    }
    return (target.parent_path() / (name + std::string(kEnding))).string();
}

// Closes the descriptor and removes the temporary file unless the rename took it.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        std::string name = TemporaryName(target);
        m_fd = ::mkstemp(name.data());
        if (m_fd < 0) {
            ThrowFileError(target, "不能创建临时文件", errno);
        }
        m_path = name;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        if (!m_bRenamed) {
            ::unlink(m_path.c_str());
        }
    }

    int Descriptor() const { return m_fd; }
    const std::filesystem::path& Path() const { return m_path; }

    void Close() {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0) {
            ThrowFileError(m_path, "不能写入文件", errno);
        }
    }
    void MarkRenamed() { m_bRenamed = true; }

private:
    int m_fd = -1;
    std::filesystem::path m_path;
    bool m_bRenamed = false;
};

void WriteAll(const TemporaryFile& file, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(file.Descriptor(), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowFileError(file.Path(), "不能写入文件", errno);
        }
        bytes = bytes.subspan(static_cast<size_t>(written));
    }
}

// The old file's mode, owner and group; a new file gets what the user's umask allows.
void TakePermissions(const TemporaryFile& file, const std::filesystem::path& target) {
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & kPermissionBits;
        // Only the owner or root may give a file away; anyone else keeps it as their own.
        [[maybe_unused]] const int ignored = ::fchown(file.Descriptor(), old.st_uid, old.st_gid);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(file.Descriptor(), mode) != 0) {
        ThrowFileError(file.Path(), "不能设置文件权限", errno);
    }
}

// The rename is only durable once the folder that holds the new entry reaches the disk.
void SyncFolder(const std::filesystem::path& target) {
    const std::filesystem::path folder =
        target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void WriteFileReplacing(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    const std::filesystem::path target = FollowLinks(path);
    RefuseAllButRegularFile(target);
    TemporaryFile file(target);
    WriteAll(file, bytes);
    TakePermissions(file, target);
    if (::fsync(file.Descriptor()) != 0) {
        ThrowFileError(file.Path(), "不能写入文件", errno);
    }
    file.Close();
    if (::rename(file.Path().c_str(), target.c_str()) != 0) {
        throw ArchiveError("不能以 " + file.Path().string() + " 替换 " + target.string() + "：" +
                           std::strerror(errno));
    }
    file.MarkRenamed();
    SyncFolder(target);
}

}  // namespace velnor
