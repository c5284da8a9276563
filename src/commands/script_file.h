#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velnor {

// The lines of a script file, or nothing when it cannot be read to its end: a file that is not
// there, a folder, a read error. A script is read whole before its first line runs, so that one
// that cannot be read changes nothing.
std::optional<std::vector<std::string>> ReadScriptLines(const std::filesystem::path& path);

}  // namespace velnor
