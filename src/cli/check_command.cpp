#include "cli/check_command.h"

#include <cstdio>
#include <exception>

#include "model/gl_model.h"
#include "persistence/document_file.h"
#include "persistence/document_io.h"

namespace velnor::cli {

int RunCheck(int argc, char** argv) {
    if (argc != 1) {
        std::fprintf(stderr, "usage: velnor-cli check FILE\n");
        return 2;
    }
    const char* path = argv[0];
    DocumentFileContent content;
    try {
        content = DecodeDocumentFile(ReadWholeFile(path), CGlModel{});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", path, error.what());
        return 1;
    }
    // Opening would drop these; a file that needs it is not a good file.
    for (const std::string& repair : content.repairs) {
        std::fprintf(stderr, "%s: %s\n", path, repair.c_str());
    }
    if (!content.repairs.empty()) {
        return 1;
    }
    std::printf("%s: ok, %zu pages\n", path, content.pages.size());
    return 0;
}

}  // namespace velnor::cli
