#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "model/document.h"
#include "persistence/file_replacing.h"

namespace velnor {

// The document and the program's scene settings as a document file.
std::vector<uint8_t> SaveDocument(const CPlomDoc& doc);

// Replaces the document and the scene settings with the file's content, then rebuilds what the
// file does not hold: button windows, page components, the first page as current page and, for
// a first page with display preset 2, perspective projection. Damaged data throws ArchiveError
// and leaves the document and the settings as they were. References that name nothing are
// dropped, said in one message, and leave the document modified: the file still holds them.
void LoadDocument(CPlomDoc& doc, std::span<const uint8_t> bytes);

// The same through files. Saving goes through WriteFileReplacing, so a failed save leaves the old
// file as it was. Failures throw ArchiveError naming the file and the reason.
void SaveDocumentFile(const CPlomDoc& doc, const std::filesystem::path& path);
void LoadDocumentFile(CPlomDoc& doc, const std::filesystem::path& path);

// The whole content of a file; ArchiveError when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path);

}  // namespace velnor
