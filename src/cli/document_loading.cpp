#include "cli/document_loading.h"

#include <cstdio>

#include "persistence/archive_error.h"
#include "persistence/document_io.h"

namespace velnor::cli {

bool LoadForCli(CPlomDoc& doc, const char* path) {
    try {
        LoadDocumentFile(doc, path);
        return true;
    } catch (const ArchiveError& error) {
        std::fprintf(stderr, "%s: %s\n", path, error.what());
        return false;
    }
}

}  // namespace velnor::cli
