#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace velnor {

// Writes bytes to a file so that a crash or a full disk never leaves it half written: the bytes
// go to a fresh temporary file of a unique name in the same folder, reach the disk, and only then
// replace the file by a rename, after which the folder entry is flushed too. The new file keeps
// the old one's permissions (and owner and group, where allowed); a symbolic link is followed, so
// its target is replaced and the link stays. Anything but a regular file (a pipe, a device, a
// folder) is refused. Failures throw ArchiveError naming the file and the reason, leaving the old
// file untouched and no temporary behind.
void WriteFileReplacing(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace velnor
