#include <cstdio>
#include <cstring>
#include <string_view>

#include "cli/calc_command.h"
#include "cli/check_command.h"
#include "cli/convert_command.h"
#include "cli/dump_command.h"
#include "cli/render_command.h"
#include "cli/run_command.h"
#include "cli/subcommand.h"

namespace {

struct Entry {
    const char* name;
    velnor::cli::Subcommand run;
};

constexpr Entry kSubcommands[] = {
    {"dump", velnor::cli::RunDump},
    {"convert", velnor::cli::RunConvert},
    {"check", velnor::cli::RunCheck},
    {"render", velnor::cli::RunRender},
    {"run", velnor::cli::RunScript},
    {"calc", velnor::cli::RunCalc},
};

constexpr int kUsageError = 2;

void PrintUsage(std::FILE* out) {
    std::fprintf(out, "usage: velnor-cli <subcommand> [arguments]\nsubcommands:");
    for (const Entry& entry : kSubcommands) {
        std::fprintf(out, " %s", entry.name);
    }
    std::fprintf(out, "\n       velnor-cli --help | help | --version\n");
}

int Usage() {
    PrintUsage(stderr);
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string_view first = argv[1];
    if (first == "--help" || first == "help") {
        PrintUsage(stdout);
        return 0;
    }
    if (first == "--version") {
        std::printf("velnor-cli %s\n", VELNOR_VERSION);
        return 0;
    }
    for (const Entry& entry : kSubcommands) {
        if (std::strcmp(argv[1], entry.name) == 0) {
            return entry.run(argc - 2, argv + 2);
        }
    }
    std::fprintf(stderr, "velnor-cli: unknown subcommand '%s'\n", argv[1]);
    return Usage();
}
