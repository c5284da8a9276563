#include "persistence/document_file.h"

#include <cmath>

#include "model/document.h"
#include "persistence/archive_reader.h"
#include "persistence/archive_writer.h"
#include "persistence/dangling_references.h"
#include "persistence/page_record.h"
#include "persistence/scene_settings_record.h"

namespace velnor {

namespace {

// Smallest stored page: tag, id, empty name, the fixed fields, five empty maps and four lists.
constexpr size_t kMinPageBytes = 2 + 2 + 1 + 1 + 1 + 4 + 4 + 2 + 12 + 4 + 32 + 5 * 2 + 4 * 2;

// The head of the scene settings: seven vectors of four floats (light and material).
constexpr size_t kHeadFloats = 7 * 4;
// No light or material value the program writes comes near this; bytes of text read as floats
// mostly lie far beyond it.
constexpr float kLargestHeadValue = 1.0e6f;

}  // namespace

std::vector<uint8_t> EncodeDocumentFile(const DocumentFileView& document) {
    ArchiveWriter out;
    WriteSceneSettings(out, document.settings);
    out.Word(document.nextPageId);
    out.Word(static_cast<uint16_t>(document.componentNames.size()));
    for (const std::string& name : document.componentNames) {
        out.String(name);
    }
    out.Count(document.pages.size());
    for (const CGpage* page : document.pages) {
        out.ObjectTag(StoredClass::kPage);
        WritePageRecord(out, *page);
    }
    const auto* notes = reinterpret_cast<const uint8_t*>(document.notesRtf.data());
    out.Bytes({notes, document.notesRtf.size()});
    return out.Take();
}

DocumentFileContent DecodeDocumentFile(std::span<const uint8_t> bytes, const CGlModel& current) {
    ArchiveReader in(bytes);
    DocumentFileContent document;
    document.settings = current;
    ReadSceneSettings(in, document.settings);
    document.nextPageId = in.Word();
    const uint16_t components = in.Word();
    if (components > CPlomDoc::kMaxComponents) {
        in.Fail("文件有 " + std::to_string(components) + " 个页组件，最多只能有 " +
                std::to_string(CPlomDoc::kMaxComponents) + " 个");
    }
    for (int i = 0; i < components; ++i) {
        document.componentNames.push_back(in.String());
    }
    const uint32_t pageCount = in.Count(kMinPageBytes);
    if (pageCount == 0) {
        in.Fail("文件中没有页");
    }
    for (uint32_t i = 0; i < pageCount; ++i) {
        if (in.ObjectTag() != StoredClass::kPage) {
            in.Fail("页表中出现了不是页的对象");
        }
        document.pages.push_back(ReadPageRecord(in));
        for (const std::string& repair : DropDanglingReferences(*document.pages.back())) {
            document.repairs.push_back("第 " + std::to_string(i + 1) + " 页：" + repair);
        }
    }
    for (std::string& repair : RenumberRepeatedPageIds(document.pages, document.nextPageId)) {
        document.repairs.push_back(std::move(repair));
    }
    const auto notes = in.Rest();
    document.notesRtf.assign(notes.begin(), notes.end());
    return document;
}

bool BeginsLikeDocumentFile(std::span<const uint8_t> bytes) {
    if (bytes.size() < kHeadFloats * sizeof(float)) {
        return false;
    }
    ArchiveReader in(bytes);
    for (size_t i = 0; i < kHeadFloats; ++i) {
        const float value = in.Float();
        if (!std::isfinite(value) || std::fabs(value) > kLargestHeadValue) {
            return false;
        }
    }
    return true;
}

}  // namespace velnor
