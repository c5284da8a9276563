#include "commands/clipboard_seam.h"

#include <utility>

namespace velnor {

namespace {

class ProcessClipboard final : public IClipboard {
public:
    void SetDocumentData(std::vector<uint8_t> bytes) override { m_bytes = std::move(bytes); }
    std::optional<std::vector<uint8_t>> DocumentData() const override { return m_bytes; }

private:
    std::optional<std::vector<uint8_t>> m_bytes;
};

ProcessClipboard g_processClipboard;
IClipboard* g_clipboard = nullptr;

}  // namespace

IClipboard* SetClipboard(IClipboard* clipboard) {
    return std::exchange(g_clipboard, clipboard);
}

IClipboard& Clipboard() {
    return g_clipboard ? *g_clipboard : g_processClipboard;
}

}  // namespace velnor
