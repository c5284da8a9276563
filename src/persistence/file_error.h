#pragma once

#include <filesystem>
#include <string>

namespace velnor {

// Throws ArchiveError for a failed file operation: what went wrong, the file, and the
// reason for the error number, in Chinese where it is a common one.
[[noreturn]] void ThrowFileError(const std::filesystem::path& path, const std::string& what,
                                 int errorNumber);

}  // namespace velnor
