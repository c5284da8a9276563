#include "cli/convert_command.h"

#include <cstdio>

#include "cli/document_loading.h"
#include "persistence/archive_error.h"
#include "persistence/document_io.h"

namespace velnor::cli {

int RunConvert(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velnor-cli convert IN OUT\n");
        return 2;
    }
    CPlomDoc doc;
    doc.OnNewDocument();
    if (!LoadForCli(doc, argv[0])) {
        return 1;
    }
    try {
        SaveDocumentFile(doc, argv[1]);
    } catch (const ArchiveError& error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}

}  // namespace velnor::cli
