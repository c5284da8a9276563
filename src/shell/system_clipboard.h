#pragma once

#include "commands/clipboard_seam.h"

namespace velnor {

// Pages and cells on the system clipboard under the private "MORV" format, so that two running
// copies of the program exchange them.
class SystemClipboard final : public IClipboard {
public:
    void SetDocumentData(std::vector<uint8_t> bytes) override;
    std::optional<std::vector<uint8_t>> DocumentData() const override;
};

}  // namespace velnor
