#include "cli/check_command.h"

#include <cstdio>

#include "cli/document_loading.h"

namespace velnor::cli {

int RunCheck(int argc, char** argv) {
    if (argc != 1) {
        std::fprintf(stderr, "usage: velnor-cli check FILE\n");
        return 2;
    }
    CPlomDoc doc;
    doc.OnNewDocument();
    if (!LoadForCli(doc, argv[0])) {
        return 1;
    }
    std::printf("%s: ok, %zu pages\n", argv[0], doc.m_pages.size());
    return 0;
}

}  // namespace velnor::cli
