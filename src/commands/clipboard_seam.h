#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace velnor {

// The clipboard's private format for pages and cells. The desktop program puts the bytes on the
// system clipboard; without it (scripts, tests) a clipboard inside the process keeps them.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual void SetDocumentData(std::vector<uint8_t> bytes) = 0;
    // Nothing when the clipboard holds no pages or cells.
    virtual std::optional<std::vector<uint8_t>> DocumentData() const = 0;
};

// Installs the implementation; nullptr goes back to the clipboard inside the process. Returns the
// previous one.
IClipboard* SetClipboard(IClipboard* clipboard);

IClipboard& Clipboard();

}  // namespace velnor
