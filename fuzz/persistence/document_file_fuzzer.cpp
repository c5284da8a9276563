// Feeds arbitrary bytes to the document file reader; what it accepts must save and load again
// to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "persistence/archive_error.h"
#include "persistence/document_file.h"

namespace {

std::vector<uint8_t> Save(const velnor::DocumentFileContent& content) {
    std::vector<const velnor::CGpage*> pages;
    for (const auto& page : content.pages) {
        pages.push_back(page.get());
    }
    return velnor::EncodeDocumentFile(
        {content.settings, content.nextPageId, content.componentNames, pages, content.notesRtf});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const auto content = velnor::DecodeDocumentFile({data, size}, velnor::CGlModel());
        const std::vector<uint8_t> saved = Save(content);
        const auto again = velnor::DecodeDocumentFile(saved, velnor::CGlModel());
        if (Save(again) != saved) {
            std::abort();
        }
    } catch (const velnor::ArchiveError&) {
    }
    return 0;
}
