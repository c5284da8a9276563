#include "commands/script_file.h"

#include <fstream>

namespace velnor {

std::optional<std::vector<std::string>> ReadScriptLines(const std::filesystem::path& path) {
    std::ifstream script(path);
    if (!script) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(script, line);) {
        lines.push_back(std::move(line));
    }
    // A folder opens as a file does, and its first read fails as any read error does.
    if (script.bad()) {
        return std::nullopt;
    }
    return lines;
}

}  // namespace velnor
