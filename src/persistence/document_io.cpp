#include "persistence/document_io.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include "model/document_seam.h"
#include "model/gl_model.h"
#include "model/message_seam.h"
#include "persistence/document_file.h"
#include "persistence/file_error.h"

namespace velnor {

namespace {

constexpr uint32_t kPerspectivePreset = 2;

// Closes the file on every path out.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::vector<uint8_t> SaveDocument(const CPlomDoc& doc) {
    std::vector<const CGpage*> pages;
    for (const auto& page : doc.m_pages) {
        pages.push_back(page.get());
    }
    const std::span<const std::string> names(doc.m_componentNames.begin() + 1,
                                             doc.m_nComponentCount);
    return EncodeDocumentFile({doc.Settings(), doc.m_nNextPageId, names, pages, doc.NotesRtf()});
}

void LoadDocument(CPlomDoc& doc, std::span<const uint8_t> bytes) {
    DocumentFileContent content = DecodeDocumentFile(bytes, doc.Settings());

    doc.DeleteContents();
    doc.Settings() = std::move(content.settings);
    DocumentViews().SceneSettingsReplaced();
    doc.m_nNextPageId = content.nextPageId;
    doc.m_componentNames = {};
    doc.m_nComponentCount = static_cast<uint16_t>(content.componentNames.size());
    for (size_t i = 0; i < content.componentNames.size(); ++i) {
        doc.m_componentNames[i + 1] = std::move(content.componentNames[i]);
    }
    doc.SetNotesRtf(std::move(content.notesRtf));
    for (auto& page : content.pages) {
        doc.AppendPage(std::move(page));
    }
    doc.FinishLoading();
    if (doc.CurrentPage().m_nScheme == kPerspectivePreset) {
        DocumentViews().UsePerspectiveProjection();
    }
    if (!content.repairs.empty()) {
        doc.SetModifiedFlag();
        ShowMessage("文件中有" + std::to_string(content.repairs.size()) +
                    "处损坏的引用(所指的图元或按钮不存在,或页号重复),已删去或更正");
    }
}

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path) {
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        ThrowFileError(path, "不能打开文件", errno);
    }
    // Read straight into a buffer of the file's size; the loop still copes with a file that
    // grows or shrinks while it is read.
    std::error_code sizeError;
    const auto expected = std::filesystem::file_size(path, sizeError);
    std::vector<uint8_t> bytes(sizeError ? 0 : static_cast<size_t>(expected) + 1);
    size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            bytes.resize(bytes.size() + 65536);
        }
        const size_t got = std::fread(bytes.data() + filled, 1, bytes.size() - filled, file.get());
        if (got == 0) {
            break;
        }
        filled += got;
    }
    bytes.resize(filled);
    if (std::ferror(file.get())) {
        ThrowFileError(path, "不能读取文件", errno);
    }
    return bytes;
}

void SaveDocumentFile(const CPlomDoc& doc, const std::filesystem::path& path) {
    WriteFileReplacing(path, SaveDocument(doc));
}

void LoadDocumentFile(CPlomDoc& doc, const std::filesystem::path& path) {
    LoadDocument(doc, ReadWholeFile(path));
}

}  // namespace velnor
