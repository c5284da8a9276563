#pragma once

#include <stdexcept>
#include <string>

namespace velnor {

// Damaged or unacceptable document or clipboard data. The one exception the persistence layer
// throws for bad input; its text names the problem and is shown to the user as it is.
class ArchiveError : public std::runtime_error {
public:
    explicit ArchiveError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace velnor
