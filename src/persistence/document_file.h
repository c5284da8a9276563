#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/gl_model.h"
#include "model/page.h"

namespace velnor {

// Everything a document file holds, as read from one.
struct DocumentFileContent {
    CGlModel settings;
    uint16_t nextPageId = 2;
    std::vector<std::string> componentNames;  // components 1..N
    std::vector<std::unique_ptr<CGpage>> pages;
    std::string notesRtf;  // the bytes as stored
    // References that named nothing (and repeated page ids), as the reader took them out, one
    // sentence each.
    std::vector<std::string> repairs;
};

// The parts of a document that a file stores, as the document holds them.
struct DocumentFileView {
    const CGlModel& settings;
    uint16_t nextPageId;
    std::span<const std::string> componentNames;  // components 1..N
    std::span<const CGpage* const> pages;
    std::string_view notesRtf;
};

std::vector<uint8_t> EncodeDocumentFile(const DocumentFileView& document);

// Reads a whole file. The settings start as a copy of `current`, so that what the file does not
// store (the camera) carries over. Throws ArchiveError for damaged data, a file without pages or
// more page components than a document holds. References that name nothing are taken out and
// repeated page ids renumbered, each listed in `repairs`.
DocumentFileContent DecodeDocumentFile(std::span<const uint8_t> bytes, const CGlModel& current);

// Whether the bytes begin as a document file does: the light and material values at its head
// read as ordinary numbers. A file that fails to load but begins like this is a damaged document;
// any other is not a document at all (a text file, an image renamed .plm).
bool BeginsLikeDocumentFile(std::span<const uint8_t> bytes);

}  // namespace velnor
