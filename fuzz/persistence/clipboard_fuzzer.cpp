// Feeds arbitrary bytes to the clipboard reader and pastes what it accepts into a page that
// already holds a few cells.
#include <cstdint>
#include <cstdlib>

#include "model/page.h"
#include "persistence/archive_error.h"
#include "persistence/clipboard_payload.h"
#include "persistence/merge_from_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        velnor::ClipboardContent content = velnor::DecodeClipboard({data, size});
        if (content.page) {
            const auto bytes = velnor::EncodePageClipboard(*content.page);
            const auto again = velnor::DecodeClipboard(bytes);
            if (!again.page || velnor::EncodePageClipboard(*again.page) != bytes) {
                std::abort();
            }
            return 0;
        }
        velnor::CGpage page;
        for (int i = 0; i < 20; ++i) {
            page.AddVertex(static_cast<float>(i), 0.0f, 0.0f);
        }
        page.AddLine(0, 1, 0);
        if (velnor::MergeFromArchive(page, std::move(content.selection))) {
            page.SelectEverything();
            velnor::DecodeClipboard(velnor::EncodeSelectionClipboard(page));
        }
    } catch (const velnor::ArchiveError&) {
    }
    return 0;
}
