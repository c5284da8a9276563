#pragma once

#include <stdexcept>
#include <string>

namespace velnor {

// A command or script line that cannot run as written: an unknown command, a bad or unknown
// parameter, a vertex or key the page does not have. Nothing has changed when it is thrown.
class CommandError : public std::runtime_error {
public:
    explicit CommandError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace velnor
