#include "cli/dump_command.h"

#include <cstdio>

#include "cli/document_loading.h"
#include "model/gl_model.h"
#include "persistence/document_json.h"

namespace velnor::cli {

int RunDump(int argc, char** argv) {
    if (argc != 1) {
        std::fprintf(stderr, "usage: velnor-cli dump FILE\n");
        return 2;
    }
    CPlomDoc doc;
    doc.OnNewDocument();
    if (!LoadForCli(doc, argv[0])) {
        return 1;
    }
    const std::string json = DocumentToJson(doc, doc.Settings());
    std::fwrite(json.data(), 1, json.size(), stdout);
    return 0;
}

}  // namespace velnor::cli
